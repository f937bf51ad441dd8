#pragma once
// Building SQL text: every text value goes between single quotes with its
// quotes doubled; a length limit cuts by characters before the doubling, so
// a cut never separates a doubled quote.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace crv {

// The first max_chars characters (code points) of a UTF-8 text.
std::string Cut_Characters(std::string_view text, std::size_t max_chars);
// Every "'" doubled (NUL characters, which would end the text, dropped).
std::string Double_Quotes(std::string_view text);
// "'" + Double_Quotes(Cut_Characters(text, max_chars)) + "'"; max_chars 0 = no limit.
std::string Sql_Quote(std::string_view text, std::size_t max_chars = 0);

// A table or column name as SQL takes it, whatever it holds: in double
// quotes with its double quotes doubled. Empty for a name that cannot be one
// (empty, or holding a NUL or another control character).
std::optional<std::string> Sql_Identifier(std::string_view name);

// True when the text holds at most one statement: nothing but blanks and
// comments may follow a ";" that stands outside quotes, brackets and
// comments. The access library runs every statement it is given, so a text
// built from outside values must pass this before it is run.
bool Is_Single_Statement(std::string_view sql);

}  // namespace crv
