#pragma once

// What a run holds on a disk or image so that another run leaves it alone; released when destroyed.
class StorageClaim {
public:
    virtual ~StorageClaim() = default;
};
