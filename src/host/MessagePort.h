// The message-box port: how the core tells the user something or asks a question.
// The Win32 shell shows a message box captioned "PlanTransit" over the main window;
// tests record every call; the command-line converter prints and answers by rule.
#pragma once

enum class MessageKind { Error, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class MessagePort {
 public:
  virtual ~MessagePort() = default;
  // Shows `text` as it stands (already formatted) and returns the button chosen.
  virtual MessageAnswer ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) = 0;
};

// Formats `format` with printf conventions (the system's texts carry "%s"
// placeholders) and shows it through `port`. Texts longer than 1023 characters
// are cut, as the platform's own formatting would.
MessageAnswer ShowFormattedMessage(MessagePort& port, MessageKind kind, MessageButtons buttons,
                                   const char* format, ...)
    __attribute__((format(printf, 4, 5)));
