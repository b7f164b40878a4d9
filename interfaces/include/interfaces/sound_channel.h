#pragma once
// A channel of the sound-effect and music systems (IMusic) and the facets it may offer. The
// channel object belongs to its service: callers borrow it and never release it. Facets are
// fetched from the channel by identifier and are not reference-counted by the caller either; a
// null facet means the channel cannot do that.
#include "interfaces/guid.h"
#include "interfaces/iinterface.h"

// AddRef and Release are the two leading operations, which callers of a channel never use.
class IMusic : public IInterface {
public:
    virtual bool Prepare(int data_number) = 0;
    virtual bool Unprepare() = 0;
    virtual bool Play() = 0;
    virtual bool Stop() = 0;
    virtual bool IsPlay() = 0;
    virtual void* QueryFacet(const GUID& iid) = 0;  // the facet, or null
};

class IMusicLoop {
public:
    virtual bool SetCount(int count) = 0;
    virtual int GetCount() = 0;

protected:
    ~IMusicLoop() = default;
};

// Volumes are percent, times milliseconds; Fade(0, v, false) sets the volume at once.
class IMusicFade {
public:
    virtual bool Fade(int time, int volume, bool stop) = 0;
    virtual bool StopFade() = 0;
    virtual bool IsFade() = 0;

protected:
    ~IMusicFade() = default;
};

class IMusicPause {
public:
    virtual bool Pause() = 0;
    virtual bool Restart() = 0;
    virtual bool IsPause() = 0;

protected:
    ~IMusicPause() = default;
};

class IMusicTime {
public:
    virtual int GetPos() = 0;     // ms
    virtual int GetLength() = 0;  // ms

protected:
    ~IMusicTime() = default;
};

// Prepares the channel from a whole sound file in memory. The channel keeps its own copy, so the
// caller may free the bytes as soon as the call returns.
class IMusicMemory {
public:
    virtual bool PrepareFromMemory(const void* data, int size) = 0;

protected:
    ~IMusicMemory() = default;
};

class IMusicSampleTime {
public:
    virtual int GetSamplePos() = 0;
    virtual int GetSampleLength() = 0;

protected:
    ~IMusicSampleTime() = default;
};

class IMusicLoopPos {
public:
    virtual bool SetStartPos(int position) = 0;
    virtual bool SetEndPos(int position) = 0;

protected:
    ~IMusicLoopPos() = default;
};

class IMusicSeek {
public:
    virtual bool Seek(int position) = 0;

protected:
    ~IMusicSeek() = default;
};

inline constexpr GUID IID_IMusicLoop = make_guid("BBEF5E21-8278-11D4-BEB2-00C0F6B0E9BE");
inline constexpr GUID IID_IMusicFade = make_guid("BBEF5E22-8278-11D4-BEB2-00C0F6B0E9BE");
inline constexpr GUID IID_IMusicPause = make_guid("BBEF5E23-8278-11D4-BEB2-00C0F6B0E9BE");
inline constexpr GUID IID_IMusicTime = make_guid("BBEF5E24-8278-11D4-BEB2-00C0F6B0E9BE");
inline constexpr GUID IID_IMusicMemory = make_guid("1A096D12-46D2-4191-A432-8D1D4C5EE514");
inline constexpr GUID IID_IMusicWave = make_guid("2C69B8E9-A804-4DE4-988F-E11373148084");
inline constexpr GUID IID_IMusicSampleTime = make_guid("68BD8586-588D-45EB-8625-2BFA048A51E2");
inline constexpr GUID IID_IMusicLoopPos = make_guid("461E69D5-70D4-48FC-9844-20CFBB01144A");
inline constexpr GUID IID_IMusicSeek = make_guid("3D28BC1D-9D1A-4690-9FC1-8D169B5822C4");
