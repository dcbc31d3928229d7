#pragma once
#include <cstddef>
#include <string>

// UTF-8 as this library reads it: sequences, characters, code point counts and positions.

// Length (1 to 4) of the UTF-8 sequence at text[i] when its lead byte has all its continuation
// bytes, else 0. Structure only: overlong forms, surrogates and values past U+10FFFF pass.
size_t Utf8SequenceLength(const std::string& text, size_t i);

// Length of the well-formed UTF-8 character at text[i] (shortest form, no surrogate, at most
// U+10FFFF), else 0.
size_t Utf8CharacterLength(const std::string& text, size_t i);

// Whether every lead byte of the text has its continuation bytes (the structural test).
bool IsWellFormedUtf8(const std::string& text);

// The code point of the sequence of n bytes at s (n from Utf8SequenceLength).
char32_t DecodeUtf8(const char* s, size_t n);
// The characters of the text; every byte that is not part of a well-formed character (overlong
// forms and surrogates included) becomes U+FFFD.
std::u32string Utf8CodePoints(const std::string& text);

// Appends a code point up to U+FFFF.
void AppendUtf8(std::string& out, char32_t code_point);

// The text with every byte that is not part of a well-formed character replaced by U+FFFD.
std::string WithReplacementCharacters(const std::string& text);

// How many characters precede byte `offset`: every sequence of Utf8SequenceLength counts once,
// every other byte once.
size_t CodePointIndex(const std::string& text, size_t offset);
