// The page's module answers in JSON: the few shapes it needs, written by hand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/MessagePort.h"

// `text` as a JSON string, quotes included. Bytes that are not valid UTF-8 are
// written as U+FFFD, so the page always gets a document it can parse.
std::string JsonString(std::string_view text);

// ["a","b"] of `texts`.
std::string JsonStringArray(const std::vector<std::string>& texts);

// One message as the page shows it beside its file.
struct PageMessage {
  MessageKind kind;
  std::string text;
};

// [{"kind":"error","text":"..."}, ...]; the kinds "error", "warning",
// "question" and "information".
std::string JsonMessages(const std::vector<PageMessage>& messages);
