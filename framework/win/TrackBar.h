// TTrackBar: the system's track bar as a framework control, with its orientation, range,
// position and tick frequency published by name; its position follows the user's moves.
#pragma once

#include "framework/win/Control.h"

namespace tw {

enum class TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TTrackBar(TComponent* owner);

    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation value);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int value);
    void SetMax(int value);
    // The window's position once it has one (the user moves it), kept within Min..Max.
    int Position() const;
    void SetPosition(int value);
    // A tick every Frequency positions (0: none but the ends).
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void SendState();
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
};

}  // namespace tw
