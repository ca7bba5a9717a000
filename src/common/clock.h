#pragma once
// @brief Today's date, asked in one place so that tests can fix it.

#include <QDate>

namespace morvelin {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace morvelin
