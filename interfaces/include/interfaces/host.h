#pragma once
// Interfaces of the host program, borrowed by the plug-ins (never released, except IKeyState).
// Own operations stand after AddRef and Release; ReservedN marks a table slot no plug-in calls.
#include <cstdint>
#include "interfaces/iinterface.h"

// The host's main system, given to Init; null means the host does not offer the interface.
class IHostcore : public IInterface {
public:
    virtual IInterface* GetInterface(const GUID& iid) = 0;
};

// Takes the engine root; the host keeps it and releases it at shutdown.
class ISetCallback : public IInterface {
public:
    virtual void SetCallback(IInterface* root) = 0;
};

class IMainWindow : public IInterface {
public:
    virtual WindowHandle GetHandle() = 0;
};

class IInputDevice2 : public IInterface {
public:
    virtual void ClearAllFlags() = 0;
    virtual bool IsKeyDown(int vk) = 0;
    // false when the cursor is not over the game
    virtual bool GetCursorPos(int& x, int& y) = 0;
    virtual void Reserved5() {}
    virtual void ClearFlag(int vk) = 0;
};

// Raw key state. The host's table counts AddRef and Release as its first two slots.
class IKeyState : public IInterface {
public:
    virtual bool IsKeyDown(int vk) = 0;
};

class ITimer : public IInterface {
public:
    virtual void Reserved2() {}
    virtual uint32_t Get() = 0;  // monotonic milliseconds
};

class IMouseWheel : public IInterface {
public:
    virtual void Clear() = 0;
    virtual int GetForward() = 0;   // first wheel count
    virtual int GetBackward() = 0;  // second wheel count
};

class IResetFlag : public IInterface {
public:
    virtual void Reserved2() {}
    virtual bool IsResetOnce() = 0;
};

class IDebugMode : public IInterface {
public:
    virtual bool IsDebugMode() = 0;
};

class IWinMsg : public IInterface {
public:
    virtual bool Pump() = 0;  // false when the application must stop
};

// Handed to the error-message object; no operation is called on them.
class IMsgBox : public IInterface {};
class IShutdown : public IInterface {};
class IMusicHost : public IInterface {};

class IChangeVolumeCallback : public IInterface {
public:
    virtual void OnChangeVolume(int group, int volume) = 0;
    virtual void OnChangeMute(int group, bool mute) = 0;
    virtual void OnChangeThird(int group, bool value) = 0;
};

// Volume groups: 0 master, 1 music, 2 default sound effects, 3 sub-master of groups 4 and above.
class IVolumeValancer : public IInterface {
public:
    virtual void Reserved2() {}
    virtual void Reserved3() {}
    virtual void Reserved4() {}
    virtual int GetNumofGroup() = 0;
    virtual void Reserved6() {}
    virtual int GetVolume(int group) = 0;  // 0-100
    virtual bool GetMute(int group) = 0;
    virtual bool GetThird(int group) = 0;
    // Listeners are never unregistered.
    virtual void AddCallback(IChangeVolumeCallback* callback) = 0;
};

// Fetched through the host library's IHostcore; called after each presentation of the whole main
// surface.
class IAfterPresent : public IInterface {
public:
    virtual bool OnPresented() = 0;
};
