#pragma once
// The engine's CSV table.
#include "vesperkit/frame/ref_counted.h"
#include "interfaces/iinterface.h"

class CCSVFile : public vesperkit::RefCounted<IInterface> {};
