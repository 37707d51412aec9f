#pragma once
// Reading and writing published properties by name, as text, for any framework object.
// A property the object's class does not publish is not an error: ordinals read -1,
// texts read empty, objects read nullptr, and writes do nothing (they return false).
// Portable: no platform headers.
#include "framework/Object.h"

#include <string>

bool IsPublishedProp(const TObject* obj, const std::string& name);
// The property's kind; false when the class does not publish it.
bool PropKindOf(const TObject* obj, const std::string& name, TPropKind& kind);

// Ordinal value of an ordinal or enumeration property; -1 when missing or of another kind.
long long GetOrdProp(const TObject* obj, const std::string& name);
bool SetOrdProp(TObject* obj, const std::string& name, long long value);

// Name of an enumeration property's value ("alTop", "True"); empty when missing.
std::string GetEnumProp(const TObject* obj, const std::string& name);
// Sets an enumeration by value name (case-insensitive); false for an unknown name.
bool SetEnumProp(TObject* obj, const std::string& name, const std::string& value);

// String property (wide strings are converted from/to the ANSI code page); empty when missing.
std::string GetStrProp(const TObject* obj, const std::string& name);
bool SetStrProp(TObject* obj, const std::string& name, const std::string& value);

// Wide string property (strings are converted from the ANSI code page); empty when missing.
std::wstring GetWideStrProp(const TObject* obj, const std::string& name);
bool SetWideStrProp(TObject* obj, const std::string& name, const std::wstring& value);

TObject* GetObjectProp(const TObject* obj, const std::string& name);
bool SetObjectProp(TObject* obj, const std::string& name, TObject* value);

// Any property as text: ordinals in decimal, enumerations by value name, strings as they are,
// wide strings converted to the ANSI code page, objects as their class name (empty for none).
// Missing: "-1" is not invented here; the result is empty.
std::string GetPropValue(const TObject* obj, const std::string& name);
// Converts the text to the property's kind: decimal for ordinals, a value name (or its decimal
// ordinal) for enumerations, the text for strings. Objects cannot be set from text.
// Returns false when the property is missing or the text does not convert.
bool SetPropValue(TObject* obj, const std::string& name, const std::string& value);
