#pragma once

// Registers the resources compiled into the static UI library (icons, links table, catalogues).
class UiResources {
public:
    static void init();
};
