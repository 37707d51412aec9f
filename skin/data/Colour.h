#pragma once
// The one colour type of the program and its resolver, shared by the window framework and
// the skin engine.
//
// A colour is 0x00BBGGRR; a negative value 0xFF0000nn stands for system colour nn (the
// GetSysColor index) and is resolved when drawn. The Windows build asks the running
// system; the host build answers with the classic Windows scheme.
#include <cstdint>
#include <memory>

using TColour = int32_t;

constexpr TColour SystemColour(int index) { return static_cast<TColour>(0xFF000000u | (index & 0xFF)); }
constexpr bool IsSystemColour(TColour c) { return c < 0; }

// System colour index of the classic Windows scheme as 0x00BBGGRR; 0 outside the table.
uint32_t ClassicSystemColour(int index);
// System colour index of the running system (GetSysColor; the classic scheme on the host).
uint32_t SystemColourRGB(int index);

// An explicit colour loses its top byte; a system colour comes from lookup(index).
template <typename Lookup>
uint32_t ResolveColour(TColour colour, Lookup&& lookup) {
    return IsSystemColour(colour) ? static_cast<uint32_t>(lookup(colour & 0xFF)) & 0xFFFFFFu
                                  : static_cast<uint32_t>(colour) & 0xFFFFFFu;
}
// The RGB value (COLORREF) of a colour, system colours resolved by the running system.
inline uint32_t ColourToRGB(TColour colour) { return ResolveColour(colour, SystemColourRGB); }

// A solid brush of one RGB colour: a GDI brush in the Windows build (NativeHandle is the
// HBRUSH, owned), a plain record on the host.
class SolidBrush {
public:
    virtual ~SolidBrush() = default;
    virtual uint32_t Colour() const = 0;
    virtual void* NativeHandle() const { return nullptr; }
};
// Defined once per build; nullptr when the system has no brush to give.
std::unique_ptr<SolidBrush> MakeSolidBrush(uint32_t rgb);
