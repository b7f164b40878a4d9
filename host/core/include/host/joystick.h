#pragma once
// The host's joystick: devices with buttons and axes that a test sets. Like a real device it is
// read as a whole: Capture copies the live state, and the queries answer from that copy, so a
// change is seen only after the next read. Reads are counted, and fail while the fault
// "IJoystick.Capture" is armed or set_read_fails(true) is in force.
#include <map>
#include <vector>

#include "host/ref_counted.h"
#include "interfaces/joystick.h"

namespace host {

class Joystick : public HostOwned<IJoystick> {
public:
    Joystick() : HostOwned("IJoystick") {}

    bool Capture() override;
    int GetNumofDevice() override;
    bool IsKeyDown(int device, int button) override;
    float GetAxis(int device, int axis) override;

    // The live state. Devices are numbered from 0; setting a button or axis of a device beyond the
    // count adds devices up to it, and a negative device number names no device.
    void set_device_count(int count);
    void set_button(int device, int button, bool down);
    void set_axis(int device, int axis, float position);
    void set_read_fails(bool fails) { read_fails_ = fails; }

    int state_reads() const { return state_reads_; }  // every Capture call, failed ones included

private:
    struct Device {
        std::map<int, bool> buttons;
        std::map<int, float> axes;
    };
    Device* device(int number);  // null for a negative number

    std::vector<Device> live_;
    std::vector<Device> captured_;
    bool read_fails_ = false;
    int state_reads_ = 0;
};

}  // namespace host
