#pragma once

#include <QString>
#include <QStringList>

// The lesson's fixed data and the window's fixed texts. The window puts them into its
// controls when it is built; the selection logic reads them back only through those controls.
namespace LessonContent {

// Line end of every text the lesson shows.
inline const QString LineEnd = QStringLiteral("\r\n");

// Captions of the district buttons, by district index: number, full stop, name.
QStringList districtCaptions();

// Apostle rows in Bulgarian alphabetical order of the whole row; the row index is stable.
QStringList apostleRows();

// For each apostle row, the district index as a one-character decimal text.
QStringList districtMap();

QString windowCaption();
QString heading();
QString apostleListCaption();
QString districtGroupCaption();

// Shown in the report box until the first pick; ten lines, each ending with LineEnd.
QString introduction();

// Text of the hidden second text box; three lines, each ending with a blank and LineEnd.
QString aphorism();

} // namespace LessonContent
