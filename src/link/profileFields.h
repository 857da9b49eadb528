// The field reader of the small text files the program reads: com.ini and
// the header of a softpot archive. Both are read whole into a buffer and a
// field is found by counting colons, not by its label, so a hand-edited
// label does not matter.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Finds the n-th ':' (n from 1) from the start of text, skips the blanks
// after it and returns up to maxLength characters from there, stopping early
// at a line end or at the end of the text. Never looks outside text.
// nullopt when text holds fewer than n colons.
std::optional<std::string_view> readProfileField(std::string_view text, int n, std::size_t maxLength);
