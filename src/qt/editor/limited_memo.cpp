#include "editor/limited_memo.h"

#include <QTextCursor>
#include <algorithm>

LimitedMemo::LimitedMemo(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), MaxLength(maxLength) {
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { Limit(position, added); });
}

void LimitedMemo::SetStoredText(const QString& text) {
    Setting = true;
    AsSet = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    setPlainText(shown);
    Setting = false;
}

QString LimitedMemo::StoredText() const {
    // Text nobody edited goes back as it came, whatever line breaks it had: a lone line feed
    // would otherwise come back as two characters and push the last one past the field's end.
    if (!document()->isModified())
        return AsSet;
    return toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

int LimitedMemo::StoredLength() const {
    const QString text = toPlainText();
    return static_cast<int>(text.size() + text.count(u'\n'));
}

void LimitedMemo::Limit(int position, int added) {
    if (Setting || added <= 0)
        return;
    int excess = StoredLength() - MaxLength;
    if (excess <= 0)
        return;
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(std::min(position + added, document()->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    const QString inserted = cursor.selectedText();
    // The newest characters go, from the end of the insertion, so what was there before stays.
    qsizetype keep = inserted.size();
    while (excess > 0 && keep > 0) {
        --keep;
        excess -= inserted[keep] == QChar(QChar::ParagraphSeparator) ? 2 : 1;
    }
    Setting = true;
    cursor.joinPreviousEditBlock();
    cursor.setPosition(position + static_cast<int>(keep));
    cursor.setPosition(position + static_cast<int>(inserted.size()), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    Setting = false;
}
