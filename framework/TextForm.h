// The readable text form of a component stream, and back: a block per
// component, nested as the components are, and a line per property, so that
// a stored chart can be read and compared in a diff.
//
//   TForm1 Form1 {
//     Left = 192
//     Color = clBtnFace
//     Font.Style = []
//     TChart Chart1 {
//       Title.Text.Strings = (
//         "TChart"
//       )
//     }
//   }
//
// Values: integers (the smallest tag that holds them), floats with a point
// or an exponent (tag 5; also inf, -inf, nan), single(x), currency(x),
// date(x), "8-bit text" (escapes \" \\ \r \n \t \xHH \u{H}; other UTF-8
// text is taken as the code page's characters), wide("..."), utf8("..."),
// identifiers, False, True, nil, ident("...") for any other identifier,
// [set, members], ( list items ), { hex bytes } and < item { ... } > for
// collections (item 3 { ... } with an index). A record may start with
// "inherited" or "inline" and carry "index N" after its name; names that are
// no identifiers are quoted. Text to stream to text is the identity.
#pragma once

#include "framework/Streams.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vur {

// The stream from Input's position; EReadError for a stream that is no
// component stream, as the reader would raise it.
std::string ObjectBinaryToText(TStream& Input);
// EParserError "Line %d: %s" for text that does not parse.
void ObjectTextToBinary(std::string_view Text, TStream& Output);

std::string BinaryToText(std::span<const std::uint8_t> Bytes);
std::vector<std::uint8_t> TextToBinary(std::string_view Text);

} // namespace vur
