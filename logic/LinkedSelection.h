#pragma once

#include <QtGlobal>

#include <optional>

class ControlOperations;

// The behaviour of the main window: a pick of a district or of an apostle writes the district
// report into the text box and moves the other picker to the same district.
class LinkedSelection
{
public:
    explicit LinkedSelection(ControlOperations &controls);

    // Click of an element of List1; the element index is not needed.
    void OnApostleClick(qint16 index);
    // Click of Option1(index); the index is the district.
    void OnDistrictClick(qint16 index);

private:
    // Which handler is at work, so that neither answers the notification the other one caused.
    enum class Origin : qint16 { None = 0, Apostle = 1, District = 2 };

    void ShowDistrictReport();

    ControlOperations &controls;
    std::optional<qint16> ApostleIndex;
    // Holds the button index or the converted map text; the two compare numerically.
    std::optional<double> DistrictIndex;
    Origin UpdateOrigin = Origin::None;
};
