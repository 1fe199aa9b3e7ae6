#pragma once

namespace orvd {

// The hourglass: long work in the core shows it through this, without knowing the window system.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void Begin() = 0; // hourglass on
    virtual void End() = 0;   // back to the window's own cursor
};

// Shows the hourglass for its lifetime, so it goes away also when the work fails.
class BusyScope {
public:
    explicit BusyScope(BusyIndicator* indicator) : indicator_(indicator) {
        if (indicator_)
            indicator_->Begin();
    }
    ~BusyScope() {
        if (indicator_)
            indicator_->End();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyIndicator* indicator_;
};

} // namespace orvd
