#pragma once
// Reading the shape of an SQL text without running it: how many statements
// it holds and the keyword each begins with. Quotes ('...', "...", `...`,
// [...]) and comments (-- to the end of the line, /* ... */) are skipped the
// way SQLite's own tokenizer skips them, so a ";" inside them separates
// nothing.
#include <string>
#include <string_view>
#include <vector>

namespace crv {

// The first word of every statement of the text, upper-cased ASCII, in
// order; a statement that begins with anything but a word gives "". Blank
// or comment-only pieces between ";" are no statements.
std::vector<std::string> Sql_Statement_Keywords(std::string_view sql);

// One statement that reads: it begins with SELECT, WITH or VALUES.
bool Is_Single_Query(std::string_view sql);

}  // namespace crv
