#include "ui/TextBox.h"

#include "content/LessonContent.h"

#include <QTextCursor>

TextBox::TextBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false); // nothing to undo in a read-only box, and no history to keep
    // Read-only, yet the pupil may still select and copy, with the mouse or the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always shown, so that the text wraps at the same width whatever its length.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString TextBox::text() const
{
    // The document keeps each CR LF as one paragraph break; the raw text keeps every other
    // character as it was given.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, LessonContent::LineEnd);
    return text;
}

void TextBox::setText(const QString &text)
{
    // A report is built by appending line after line to the text read back; adding just the
    // new end keeps the lines already laid out instead of laying out the whole text again.
    const QString current = this->text();
    if (!current.isEmpty() && text.startsWith(current)) {
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(text.mid(current.size()));
        return;
    }
    setPlainText(text);
}
