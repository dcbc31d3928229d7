#pragma once
#include <stdexcept>
#include <string>

// The one error every encoder and the render step raise. The bindings translate it once by its
// kind (never by its text). The native classes catch it in their draw methods: its message is kept
// for LastError() as "[Tag] message", written to standard error unless reporting is turned off, and
// the draw returns false (QR and PDF417 rethrow it after keeping it).
enum class EncodeErrorKind {
    InvalidCharacter,  // `position` is the index (in code points) of the character in the caller's text
    InvalidData,       // a fault of the data as a whole (wrong check digit, wrong length, ...)
    TooLong,           // `capacity` is the most the symbology or the chosen size holds
    InvalidOption,     // a setting out of range or not usable with this data
    TooLarge,          // the drawing would exceed a size limit (pixels, the format's dimensions)
};

class EncodeError : public std::runtime_error {
public:
    EncodeError(EncodeErrorKind kind, const std::string& message, long position = -1, long capacity = -1)
        : std::runtime_error(message), kind_(kind), position_(position), capacity_(capacity) {}

    EncodeErrorKind Kind() const { return kind_; }
    long Position() const { return position_; }  // -1 when no one character is at fault
    long Capacity() const { return capacity_; }  // -1 when not known

private:
    EncodeErrorKind kind_;
    long position_;
    long capacity_;
};
