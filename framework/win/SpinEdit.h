// TSpinEdit: an edit for a whole number with its own up-down arrows inside its right edge; the
// arrows step Value by Increment between MinValue and MaxValue.
#pragma once

#include "framework/win/StdCtrls.h"
#include "framework/win/UpDown.h"

namespace tw {

class TSpinEdit : public TCustomEdit {
    TW_CLASS_INFO()
public:
    explicit TSpinEdit(TComponent* owner);

    // The number the text shows, held between MinValue and MaxValue (MinValue for a text
    // that is no number).
    int Value() const;
    void SetValue(int value);
    int MinValue() const { return min_; }
    void SetMinValue(int value);
    int MaxValue() const { return max_; }
    void SetMaxValue(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value);
    // The arrows: a child of the edit, the edit their buddy.
    TUpDown& Button() { return *button_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void BoundsChanged() override;

private:
    void PlaceButton();
    void SendStep();

    TUpDown* button_;  // owned as a component of the edit
    int min_ = 0, max_ = 100, increment_ = 1;
};

}  // namespace tw
