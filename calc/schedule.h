#pragma once

#include <string>
#include <string_view>

namespace orvanta {

enum class SummaryLabel { Amount, Rate, Terms, Payment };

class ScheduleView {  // what the calculation writes into; the result window implements it
public:
    virtual ~ScheduleView() = default;
    virtual void setCaption(SummaryLabel label, const std::string& text) = 0;
    virtual void AddItem(const std::string& item) = 0;  // one grid row, fields separated by TAB
    virtual void setFixedRows(int rows) = 0;
};

// Writes the summary captions and every schedule row for one loan into the view.
// Throws RunTimeError on a conversion or arithmetic fault; the view may then hold partial rows.
void CalculateSchedule(std::string_view amount, std::string_view rate, std::string_view terms, ScheduleView& view);

}  // namespace orvanta
