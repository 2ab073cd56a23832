// The in-memory window's lists and texts, bounded as the real controls bound them.
#include "support/MemoryWindow.h"

#include <algorithm>
#include <cstring>

namespace {

void CopyBounded(const std::string& text, char* buffer, int bufferSize) {
  if (bufferSize <= 0) return;
  std::size_t length = std::min(text.size(), static_cast<std::size_t>(bufferSize - 1));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

}  // namespace

void MemoryWindow::GetControlText(int controlId, char* buffer, int bufferSize) {
  CopyBounded(texts[controlId], buffer, bufferSize);
}

void MemoryWindow::CheckRadio(int firstId, int lastId, int checkedId) {
  for (int id = firstId; id <= lastId; ++id) checked[id] = id == checkedId;
}

void MemoryWindow::AddListEntry(int listId, const char* text) { lists[listId].entries.push_back(text); }

int MemoryWindow::ListEntryLength(int listId, int index) {
  const std::vector<std::string>& entries = lists[listId].entries;
  if (index < 0 || index >= static_cast<int>(entries.size())) return -1;
  return static_cast<int>(entries[index].size());
}

void MemoryWindow::GetListEntry(int listId, int index, char* buffer, int bufferSize) {
  const std::vector<std::string>& entries = lists[listId].entries;
  if (index < 0 || index >= static_cast<int>(entries.size())) {
    CopyBounded("", buffer, bufferSize);
    return;
  }
  CopyBounded(entries[index], buffer, bufferSize);
}
