#pragma once

#include <QPlainTextEdit>

// A read-only, word-wrapping text box whose text has CR LF line ends: each CR LF shows as one
// line break, and text() gives back exactly the text that setText() was given.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
};
