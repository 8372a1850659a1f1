#pragma once

// The byte-level forms in which the keyboard's text leaves and enters through the clipboard and
// reference files. The text is the composer's code point list: committed code points followed by
// the code under composition (0 when none). Every function here is pure; the window hands the
// results to the clipboard and reads the clipboard's data into the paste functions.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard/Uni2euc.h"

// --- Copy: text to clipboard data. Results carry no terminating zero and contain no zero byte or
// unit, so the clipboard layer adds the terminator (CF_TEXT, CF_UNICODETEXT) where one is needed.

// The EUC-KR text (CF_TEXT): each element goes through the pair table, is cut to 16 bits, and
// gives 0x20 for 0x0020, else its high byte then its low byte, a zero byte ending that element's
// bytes (so values below 0x100, the final 0 included, add nothing).
std::string EucKrBytes(std::span<const std::int32_t> text, const TUni2Euc& table);

// The UTF-16 text (CF_UNICODETEXT) as every reader sees it: one code unit per element (its low
// 16 bits), up to the first element whose unit is 0. The data block itself would carry that unit
// and the rest as well, but no reader looks past the first zero unit.
std::u16string Utf16Text(std::span<const std::int32_t> text);

// The decimal reference text: "&#<signed decimal>;" per element, a space for 32, nothing for 0,
// with nothing between references.
std::string DecimalRefs(std::span<const std::int32_t> text);

// The hexadecimal reference text: "&#x<lower-case hex>;" per element, a negative value as its
// 32-bit two's-complement pattern; a space for 32, nothing for 0.
std::string HexRefs(std::span<const std::int32_t> text);

// The bytes of a saved reference file: the reference text and CR LF, or nothing for an empty text.
std::string RefsFileBytes(std::string_view refs);

// --- Paste: clipboard data to code points appended to out. Each reader stops at the first zero
// byte or unit of its data, or at its end.

// Appends every code unit before the first zero unit unchanged.
void AppendUtf16Text(std::u16string_view data, std::vector<std::int32_t>& out);

// Scans EUC-KR bytes: a space byte gives 32; any other byte forms a code with the byte after it
// (the terminator when none follows), which gives its table member or 32 when unpaired.
void AppendEucKrText(std::string_view data, const TUni2Euc& table, std::vector<std::int32_t>& out);

// Appends the references of the CF_TEXT data: ParseRefs on the bytes before the first zero byte.
void AppendRefsText(std::string_view data, std::vector<std::int32_t>& out);

// Appends the values of the numeric character references in source, decimal and hexadecimal in
// any mix. A space at the start of the text or right after a ';' gives 32; every other character
// outside a reference is dropped. Runs in time linear in the length of source.
void ParseRefs(std::string_view source, std::vector<std::int32_t>& out);

// The value of a reference body (the text between "&#" and ";"), which must be a number as a
// whole: leading spaces, then an optional sign and either decimal digits within the signed 32-bit
// range or a hex marker (x X $ 0x 0X) and digits of at most 32 bits, read as a two's-complement
// pattern (a sign before a marker has no effect). Anything else gives 0.
std::int32_t RefBodyValue(std::string_view body);
