#pragma once

#include <functional>
#include <utility>

// Reports changes of an object's attributes to one listener (the owner grid's repaint).
// The listener belongs to the object's place, not to its attributes: it is never copied.
class ChangeNotifier {
public:
    ChangeNotifier() = default;
    ChangeNotifier(const ChangeNotifier&) = delete;
    ChangeNotifier& operator=(const ChangeNotifier&) = delete;

    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

protected:
    ~ChangeNotifier() = default;

    void changed() const {
        if (onChange_) {
            onChange_();
        }
    }

    // Stores value into field and reports the change; an equal value changes nothing.
    template <typename T, typename U>
    void update(T& field, U&& value) {
        if (field == value) {
            return;
        }
        field = std::forward<U>(value);
        changed();
    }

private:
    std::function<void()> onChange_;
};
