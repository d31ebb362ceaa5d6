#include "logic/LinkedSelection.h"

#include "content/LessonContent.h"
#include "logic/ControlOperations.h"
#include "logic/NumberConversion.h"

namespace {

// Elements of the control arrays the logic works on.
constexpr qint16 ApostleList = 0; // List1(0)
constexpr qint16 DistrictMap = 1; // List1(1)
constexpr qint16 ReportBox = 0;   // Text1(0)

QString selectedDistrictPhrase()
{
    return QStringLiteral("Избран революционен окръг: ");
}

QString apostlesPhrase()
{
    return QStringLiteral("Апостоли:");
}

} // namespace

using LessonContent::LineEnd;

LinkedSelection::LinkedSelection(ControlOperations &controls)
    : controls(controls)
{}

void LinkedSelection::OnApostleClick(qint16 /*index*/)
{
    if (UpdateOrigin == Origin::District)
        return;
    UpdateOrigin = Origin::Apostle;
    ApostleIndex = controls.SelectedRow(ApostleList);
    DistrictIndex = TextToNumber(controls.RowText(DistrictMap, *ApostleIndex));
    controls.CheckButton(ToIndex(*DistrictIndex));
    ShowDistrictReport();
    UpdateOrigin = Origin::None;
}

void LinkedSelection::OnDistrictClick(qint16 index)
{
    if (UpdateOrigin == Origin::Apostle)
        return;
    UpdateOrigin = Origin::District;
    DistrictIndex = index;
    ShowDistrictReport();
    // Had no report listed a row yet, -1 makes the selection a run-time error.
    controls.SelectRow(ApostleList, ApostleIndex.value_or(-1));
    UpdateOrigin = Origin::None;
}

// The box is the accumulator: every line is appended to the text read back from it.
void LinkedSelection::ShowDistrictReport()
{
    const qint16 rowCount = controls.RowCount(ApostleList);
    controls.SetBoxText(ReportBox, selectedDistrictPhrase() +
                                       controls.ButtonCaption(ToIndex(*DistrictIndex)) + LineEnd);
    controls.SetBoxText(ReportBox, controls.BoxText(ReportBox) + apostlesPhrase() + LineEnd);
    for (qint16 row = 0; row < rowCount; ++row) {
        if (TextToNumber(controls.RowText(DistrictMap, row)) == *DistrictIndex) {
            controls.SetBoxText(ReportBox, controls.BoxText(ReportBox) +
                                               controls.RowText(ApostleList, row) + LineEnd);
            ApostleIndex = row;
        }
    }
}
