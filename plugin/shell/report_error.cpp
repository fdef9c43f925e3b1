#include "plugin/shell/report_error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "plugin/shell/dialog_forwarding.h"
#include "plugin/shell/host_suites.h"

namespace kavro {
namespace {

// The module's error list: entry 0 is not a message; from entry 1 on, a code
// entry is followed by its message, and the message before the first empty
// entry serves every code without one.
constexpr int32_t kErrorListId = 16050;
constexpr int32_t kFirstCodeEntry = 1;
constexpr int32_t kErrorFrameId = 16051;
constexpr const char *kErrorDialogName = "Error Dialog";
constexpr int32_t kOkItem = 1;
constexpr int32_t kMessageItem = 2;
constexpr int32_t kCodeItem = 3;

constexpr int32_t kTextBufferSize = 256;
constexpr int32_t kLongestPrefixed = 255;
constexpr int32_t kCodeTextSize = 16;

// What the error dialog shows; its address is the dialog's user data.
struct ErrorTexts {
  char message[kTextBufferSize];
  char codeText[kCodeTextSize];
};

// --- length-prefixed text: a length byte, then the characters ----------------

size_t TextLength(const char *text) { return std::strlen(text); }

bool ToLengthPrefixed(char *text) {
  const size_t length = TextLength(text);
  if (length > kLongestPrefixed) return false;
  std::memmove(text + 1, text, length);
  text[0] = static_cast<char>(length);
  return true;
}

void ToNulTerminated(char *text) {
  const auto length = static_cast<uint8_t>(text[0]);
  std::memmove(text, text + 1, length);
  text[length] = '\0';
}

// Four-character codes hold their first character in the most significant
// byte, as the host's own codes do.
KvError FourCharFromPrefixed(const char *text) {
  return KV_FOUR_CHAR(text[1], text[2], text[3], text[4]);
}

void FourCharToPrefixed(KvError code, char *text) {
  const auto bits = static_cast<uint32_t>(code);
  text[0] = 4;
  for (int i = 0; i < 4; ++i) text[1 + i] = static_cast<char>(bits >> (8 * (3 - i)));
}

// A numeric entry stands for its value cut to a signed 16-bit number; none
// when the host cannot read it.
bool NumberFromText(char *text, KvError *number) {
  if (sAIUser == nullptr || !ToLengthPrefixed(text)) return false;
  float value = 0.0f;
  const KvError read = sAIUser->TextToNumber(reinterpret_cast<const unsigned char *>(text), &value);
  ToNulTerminated(text);
  // Only values an int32_t can hold are cut; others match no code.
  if (read != kvNoErr || !(std::fabs(value) < 2147483648.0f)) return false;
  *number = static_cast<int16_t>(static_cast<int32_t>(value));
  return true;
}

// Copies `text` into the code-text field, cut to fit and NUL-terminated.
void CopyCodeText(const char *text, char *codeText) {
  const size_t length = std::min(TextLength(text), static_cast<size_t>(kCodeTextSize - 1));
  std::memcpy(codeText, text, length);
  codeText[length] = '\0';
}

// The code's decimal text through the host, which writes a whole 256-byte
// buffer; without the host's conversion the code is written here.
void NumberToText(KvError code, char *codeText) {
  char text[kTextBufferSize] = {};
  if (sAIUser != nullptr &&
      sAIUser->NumberToText(static_cast<float>(code), 0, reinterpret_cast<unsigned char *>(text)) ==
          kvNoErr) {
    ToNulTerminated(text);
  } else {
    std::snprintf(text, sizeof text, "%d", static_cast<int>(code));
  }
  CopyCodeText(text, codeText);
}

bool IsNumericEntry(const char *entry) {
  return entry[0] == '-' || (entry[0] >= '0' && entry[0] <= '9');
}

bool EntryMatches(char *entry, KvError code) {
  KvError value = 0;
  if (IsNumericEntry(entry)) {
    if (!NumberFromText(entry, &value)) return false;
  } else {
    if (!ToLengthPrefixed(entry)) return false;
    value = FourCharFromPrefixed(entry);
  }
  return value == code;
}

void ReadEntry(const KvMessage *message, int32_t index, char *buffer, int32_t maxLength) {
  buffer[0] = '\0';
  static_cast<void>(
      sADMBasic->GetIndexString(message->plugin, kErrorListId, index, buffer, maxLength));
}

// The index of the message for `code`: the one after its code entry, or the
// last of the list when no entry matches.
int32_t MessageIndexFor(const KvMessage *message, KvError code) {
  char entry[kTextBufferSize];
  int32_t index = kFirstCodeEntry;
  ReadEntry(message, index, entry, kLongestPrefixed);
  while (entry[0] != '\0') {
    if (EntryMatches(entry, code)) return index + 1;
    index += 2;
    ReadEntry(message, index, entry, kLongestPrefixed);
  }
  return index - 1;
}

// Codes whose upper half is a sign extension are numbers; others are shown
// as their four characters.
void WriteCodeText(KvError code, char *codeText) {
  const auto upper = static_cast<uint32_t>(code) >> 16;
  if (upper == 0 || upper == 0xFFFF) return NumberToText(code, codeText);
  char text[kTextBufferSize];
  FourCharToPrefixed(code, text);
  ToNulTerminated(text);
  CopyCodeText(text, codeText);
}

KvError KV_CALL InitErrorDialog(KvDialogHandle dialog) {
  // Without the item operations the frame's own texts are all that shows.
  if (sADMItem == nullptr) return kvNoErr;
  sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, kOkItem), ForwardToDefault);
  const auto *texts = static_cast<const ErrorTexts *>(sADMDialog->GetUserData(dialog));
  sADMItem->SetText(sADMDialog->GetItem(dialog, kMessageItem), texts->message);
  sADMItem->SetText(sADMDialog->GetItem(dialog, kCodeItem), texts->codeText);
  return kvNoErr;
}

}  // namespace

void ReportError(const KvMessage *message, KvError code) {
  if (code == kvNoErr || code == kvCancelledErr) return;
  if (sADMBasic == nullptr || sADMDialog == nullptr) return;

  ErrorTexts texts{};
  const int32_t messageIndex = MessageIndexFor(message, code);
  if (sADMBasic->GetIndexString(message->plugin, kErrorListId, messageIndex, texts.message,
                                kTextBufferSize) != kvNoErr) {
    return;
  }
  texts.message[kTextBufferSize - 1] = '\0';
  WriteCodeText(code, texts.codeText);
  static_cast<void>(sADMDialog->Modal(message->plugin, kErrorDialogName, kErrorFrameId, 0,
                                      InitErrorDialog, &texts));
}

}  // namespace kavro
