#pragma once
#include "drive_list.h"

namespace platform {

// Offers whatever the test puts here.
class FakeDriveList final : public DriveList {
public:
    QStringList places;
    QStringList drives() const override { return places; }
};

} // namespace platform
