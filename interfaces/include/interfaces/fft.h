#pragma once
// The FFT service. Both operations work in place on an array of floats.
#include "interfaces/iinterface.h"

class IFFT : public IInterface {
public:
    virtual void rdft(int n, int direction, float* data) = 0;
    virtual void hanning_window(int n, float* data) = 0;
};
