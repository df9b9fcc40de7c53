#pragma once

#include "runtime_errors/runtime_error.h"

#include <QString>

namespace gdt {

// Content longer than this cannot be given a three-digit line length.
inline constexpr int kMaxContentLength = 990;

// Length of text as written to the file: one byte per Unicode character, an unpaired surrogate
// included.
int writtenLength(const QString& text);

// "<length:3><fieldId><content>\r\n", or "" for empty content. The length counts the whole line
// including itself and the CR LF. The content must be carriable (whyNotCarriable): the request
// builder checks every field before it encodes any, so that a request is refused whole.
QString CreateGDTLine(const QString& fieldId, const QString& content);

// Why content cannot be carried by one line: a control character (CR, LF, tab, any other), over
// 990 characters, or characters code page 437 holds neither as themselves nor as a base letter
// (the message names them by code, describeCharacter); empty when it can.
QString whyNotCarriable(const QString& content);

// The error that refuses a request because of one field.
errors::RuntimeError uncarriableField(const QString& fieldLabel, const QString& fieldId, const QString& why);

} // namespace gdt
