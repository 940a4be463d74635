#pragma once

#include <map>
#include <string>
#include <vector>

#include "calc/schedule.h"

namespace orvanta {

// Keeps everything the calculation writes, for tests and benchmarks to inspect.
class RecordingView : public ScheduleView {
public:
    void setCaption(SummaryLabel label, const std::string& text) override { captions[label] = text; }
    void AddItem(const std::string& item) override { items.push_back(item); }
    void setFixedRows(int rows) override {
        fixedRows = rows;
        itemsWhenFixed = items.size();
    }

    std::map<SummaryLabel, std::string> captions;
    std::vector<std::string> items;
    int fixedRows = 0;
    std::size_t itemsWhenFixed = 0;
};

}  // namespace orvanta
