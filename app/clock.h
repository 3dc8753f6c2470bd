#pragma once

// Seconds from a monotonic source: a test spanning midnight or a change of the system time
// still measures its real duration. Tests substitute a clock they advance by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
};

class SteadyClock : public Clock {
public:
    double now() const override;
};
