#include "support/FakeWindow.h"

#include <algorithm>
#include <cstring>

#include "route/RunwayOrder.h"

namespace {

void CopyBounded(const std::string& text, char* buffer, int bufferSize) {
  if (bufferSize <= 0) return;
  std::size_t length = std::min(text.size(), static_cast<std::size_t>(bufferSize - 1));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

bool ComesBefore(const std::string& a, const std::string& b) {
  return CompareListEntries(a.c_str(), b.c_str()) < 0;
}

}  // namespace

void FakeWindow::GetControlText(int controlId, char* buffer, int bufferSize) {
  CopyBounded(texts[controlId], buffer, bufferSize);
}

void FakeWindow::CheckRadio(int firstId, int lastId, int checkedId) {
  for (int id = firstId; id <= lastId; ++id) checked[id] = id == checkedId;
}

void FakeWindow::AddListEntry(int listId, const char* text) {
  std::vector<std::string>& entries = lists[listId].entries;
  entries.insert(std::upper_bound(entries.begin(), entries.end(), std::string(text), ComesBefore), text);
}

int FakeWindow::ListEntryLength(int listId, int index) {
  const std::vector<std::string>& entries = lists[listId].entries;
  if (index < 0 || index >= static_cast<int>(entries.size())) return -1;
  return static_cast<int>(entries[index].size());
}

void FakeWindow::GetListEntry(int listId, int index, char* buffer, int bufferSize) {
  const std::vector<std::string>& entries = lists[listId].entries;
  if (index < 0 || index >= static_cast<int>(entries.size())) {
    CopyBounded("", buffer, bufferSize);
    return;
  }
  CopyBounded(entries[index], buffer, bufferSize);
}
