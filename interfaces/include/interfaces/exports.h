#pragma once
// Exports of the plug-ins: plain, undecorated names with default visibility; everything else in a
// plug-in is hidden. Each plug-in lists its exports once, as an X-macro of (result, name,
// (parameters)); that list declares them for the library, and tests and the scene player use it
// to find and call them by name with the right signature. A program that reads several plug-ins'
// lists at once (their names overlap, e.g. Init) defines VK_EXPORT_LISTS_ONLY first, so that the
// lists are not declared as functions.

#define VK_EXPORT extern "C" __attribute__((visibility("default")))
#define VK_DECLARE_EXPORT(result, name, params) VK_EXPORT result name params;
