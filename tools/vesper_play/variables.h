#pragma once
// The scene's variables: &v ints, $s script strings, @a script arrays, %p script structures.
#include <map>
#include <memory>
#include <string>

#include "host/script_values.h"

namespace vesper_play {

struct Variables {
    std::map<std::string, int> ints;
    std::map<std::string, std::unique_ptr<host::ScriptString>> strings;
    std::map<std::string, std::unique_ptr<host::ScriptIntArray>> int_arrays;
    std::map<std::string, std::unique_ptr<host::ScriptStringArray>> string_arrays;
    std::map<std::string, std::unique_ptr<host::ScriptPage>> structs;
    // Members of structures that are strings, kept alive with their structure.
    std::vector<std::unique_ptr<host::ScriptString>> member_strings;

    int* int_variable(const std::string& name) { return &ints[name]; }  // created as 0
    host::ScriptString* string_variable(const std::string& name) {
        auto& s = strings[name];
        if (!s) s = std::make_unique<host::ScriptString>();
        return s.get();
    }
    // An array is an int array unless declared otherwise.
    IArray* array_variable(const std::string& name) {
        if (auto it = string_arrays.find(name); it != string_arrays.end()) return it->second.get();
        auto& a = int_arrays[name];
        if (!a) a = std::make_unique<host::ScriptIntArray>();
        return a.get();
    }
    host::ScriptPage* struct_variable(const std::string& name) {
        auto it = structs.find(name);
        return it == structs.end() ? nullptr : it->second.get();
    }
};

}  // namespace vesper_play
