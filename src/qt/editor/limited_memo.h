// A multi-line text box that holds no more characters than a file field has room for, a line
// break counting as two (carriage return and line feed, as it is stored).
#pragma once

#include <QPlainTextEdit>

class LimitedMemo final : public QPlainTextEdit {
    Q_OBJECT

public:
    LimitedMemo(int maxLength, QWidget* parent = nullptr);

    // Text with CR LF line breaks, shown whole even past the limit: the limit binds typing only.
    void SetStoredText(const QString& text);
    // The text with CR LF line breaks; unedited, the text as it was set.
    QString StoredText() const;
    // The length the text has as stored.
    int StoredLength() const;

private:
    // Cuts what was just typed or pasted back to the limit.
    void Limit(int position, int added);

    int MaxLength;
    bool Setting = false;
    QString AsSet;
};
