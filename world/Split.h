#pragma once
#include <string>
#include <vector>

// Cuts `text` at every `separator` into tokens, as all data files are cut.
// The text between two separators is a token also when empty; a separator at
// the very end yields no empty token after it; an empty text yields none.
// Nothing is trimmed: a carriage return stays in its token.
std::vector<std::string> split(const std::string& text, char separator);
