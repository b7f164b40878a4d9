#pragma once
// Script values borrowed from the host for the duration of a call.
#include <cstdint>
#include "interfaces/iinterface.h"

// Element and member type codes of script arrays and structures.
enum ScriptType : int {
    kScriptInt = 10,
    kScriptFloat = 11,
    kScriptString = 12,
    kScriptStruct = 13,
    kScriptIntArray = 14,
    kScriptStructArray = 17,
    kScriptBool = 47,
};

// A script string: bytes in the ANSI code page, zero-terminated.
class IString : public IInterface {
public:
    virtual const char* Get() = 0;
    virtual void Set(const char* text) = 0;
};

// A script array.
class IArray : public IInterface {
public:
    virtual int GetType() = 0;  // element type code
    virtual void Reserved3() {}
    virtual int GetNumof() = 0;  // element count
    virtual int GetRank() = 0;   // dimension count
    // int or float array: address of the element's 32-bit value (index 0 gives the contiguous
    // storage); string array: the element's IString; null when there is none.
    virtual void* GetElement(int index) = 0;
    virtual void SetInt(int index, int value) = 0;
    virtual bool Realloc(int* numof, int rank) = 0;
};

// A script structure.
class IPage : public IInterface {
public:
    virtual void Reserved2() {}
    virtual int GetNumof() = 0;             // member count
    virtual int GetType(int index) = 0;     // member type code
    // int, float or bool member: address of its 32-bit value (member 0 gives the contiguous
    // storage of all plain members); string, structure or array member: its interface.
    virtual void* GetMember(int index) = 0;
    virtual void SetInt(int index, const int* value) = 0;
};
