// What a route build tells whoever shows its progress: the work on the source
// file starts and ends. The window shows a wait cursor, an animation and a status
// text in between; the converter shows nothing.
#pragma once

class BuildProgress {
 public:
  virtual ~BuildProgress() = default;
  virtual void WorkStarted() = 0;
  // Also told when the validation has closed the file, whatever it found.
  virtual void WorkEnded() = 0;
};
