// TUpDown: the system's up-down arrows, stepping a buddy edit's number between Min and Max.
#pragma once

#include <windows.h>

#include "framework/win/Control.h"

namespace tw {

enum class TUDOrientation { udVertical, udHorizontal };

class TUpDown : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TUpDown(TComponent* owner);

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int value);
    void SetMax(int value);
    // The window's own position once it exists (a click changes it there).
    int Position() const;
    void SetPosition(int value);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation value) { orientation_ = value; }
    // The edit whose text shows the position.
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* edit);

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;

private:
    void SendState();
    int min_ = 0, max_ = 100, position_ = 0;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
    TWinControl* associate_ = nullptr;
};

}  // namespace tw
