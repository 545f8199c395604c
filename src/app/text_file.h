#pragma once

#include <iostream>
#include <string>

// The helpers of the game's small "key=value" text files (options.cfg, controls.cfg).

// `s` without the spaces, tabs and carriage returns at either end.
std::string Trimmed(const std::string& s);

// The whole file at `path` into `text`; false (text untouched) when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& text);

// The values a file at `path` holds, read by `fromText`; `fallback` when there is no file. What the
// reader complained of is said on standard error under the file's path.
template <typename Values>
Values ReadTextFileValues(const std::string& path, Values (*fromText)(const std::string&, std::string*),
                          const Values& fallback) {
  std::string text;
  if (!ReadWholeFile(path, text)) return fallback;
  std::string problems;
  Values values = fromText(text, &problems);
  if (!problems.empty()) std::cerr << path << ":\n" << problems;
  return values;
}
