#pragma once

#include <stdexcept>
#include <string>

// The text on one line: line breaks and other control characters, which a
// quoted path or value may carry, become "?".
std::string OneLine(std::string text);

// A failure that ends the run; its text is the one-line reason printed before exiting.
class TRavlinError : public std::runtime_error {
public:
    explicit TRavlinError(const std::string& reason) : std::runtime_error(OneLine(reason)) {}
};

// The library's own words for an AVERROR code.
std::string FfErrorText(int code);

// Throws TRavlinError("<what>: <library reason>") when code is negative; returns it otherwise.
int CheckFf(int code, const std::string& what);
