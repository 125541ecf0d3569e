// Basic value types of the host: fixed-width integers, the host's 16-bit
// boolean, error codes and the strongly typed IDs of the component model.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

using int16 = std::int16_t;
using uint16 = std::uint16_t;
using int32 = std::int32_t;
using uint32 = std::uint32_t;
using uchar = unsigned char;

// The host's boolean is 16 bits wide; kTrue/kFalse are its two values.
using bool16 = int16;
constexpr bool16 kTrue = 1;
constexpr bool16 kFalse = 0;

using UTF16TextChar = char16_t;
using UTF32TextChar = char32_t;
using TextIndex = int32;

// Host error codes: 0 is success, anything else a failure.
using ErrorCode = int32;
constexpr ErrorCode kSuccess = 0;
constexpr ErrorCode kFailure = 1;
constexpr ErrorCode kCancel = 2;

// One number space per kind of ID: a class ID and an interface ID with the
// same value are different things, and the compiler keeps them apart.
template <class Kind>
struct HostID {
  uint32 value = 0;
  constexpr HostID() = default;
  constexpr explicit HostID(uint32 v) : value(v) {}
  constexpr auto operator<=>(const HostID&) const = default;
  constexpr uint32 Get() const { return value; }
};

struct ClassIDKind;
struct InterfaceIDKind;
struct ImplementationIDKind;
struct UIDKind;

using ClassID = HostID<ClassIDKind>;
using PMIID = HostID<InterfaceIDKind>;
using ImplementationID = HostID<ImplementationIDKind>;
using UID = HostID<UIDKind>;

constexpr ClassID kInvalidClass{0};
constexpr PMIID kInvalidInterfaceID{0};
constexpr ImplementationID kInvalidImpl{0};
constexpr UID kInvalidUID{0};

template <class Kind>
struct std::hash<HostID<Kind>> {
  std::size_t operator()(const HostID<Kind>& id) const noexcept { return std::hash<uint32>()(id.value); }
};
