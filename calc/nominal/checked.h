#pragma once

#include <cmath>

// What went wrong in a step of the calculation, if anything.
enum class Fault {
    None,
    DivisionByZero, // a non-zero number divided by zero
    Undefined,      // 0 / 0, inf - inf, 0 * inf
    Overflow,       // a result beyond the range of a double
};

// A double that carries the first fault of the operations that made it, so that a formula can
// be written as it reads and tested once at its end. The inputs of the calculation are always
// finite, so a non-finite result is exactly where the floating-point status would have flagged
// an invalid operation, a division by zero or an overflow; underflow is not a fault. A fault
// inside a formula is kept even when the formula's result comes out finite again
// (0.7 / 1E-310 overflows, and 11 / inf is 0).
class Checked
{
public:
    constexpr Checked(double value) : value_(value) {} // NOLINT(google-explicit-constructor)

    constexpr double value() const { return value_; }
    constexpr Fault fault() const { return fault_; }

    friend Checked operator+(Checked a, Checked b) { return combine(a, b, a.value_ + b.value_); }
    friend Checked operator-(Checked a, Checked b) { return combine(a, b, a.value_ - b.value_); }
    friend Checked operator*(Checked a, Checked b) { return combine(a, b, a.value_ * b.value_); }
    friend Checked operator/(Checked a, Checked b)
    {
        Checked r = combine(a, b, a.value_ / b.value_);
        if (r.fault_ == Fault::Overflow && a.fault_ == Fault::None && b.fault_ == Fault::None
            && b.value_ == 0.0)
            r.fault_ = Fault::DivisionByZero;
        return r;
    }

private:
    // The left operand is worked out first, as the formula is written, so its fault comes first.
    static Checked combine(Checked a, Checked b, double result)
    {
        Checked r(result);
        if (a.fault_ != Fault::None)
            r.fault_ = a.fault_;
        else if (b.fault_ != Fault::None)
            r.fault_ = b.fault_;
        else if (std::isnan(result))
            r.fault_ = Fault::Undefined;
        else if (std::isinf(result))
            r.fault_ = Fault::Overflow;
        return r;
    }

    double value_;
    Fault fault_ = Fault::None;
};
