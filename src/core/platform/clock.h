// The local date and time, given to whoever stamps a record so that tests can fix it.
#pragma once

class Clock {
public:
    virtual ~Clock() = default;
    // Now, as an OLE Automation date in local time.
    virtual double OleNow() = 0;
};
