#pragma once

// The configuration store of this mouse: new profiles get the factory defaults, profile files
// have the extension "mvp", and the files lie in save/ below the program folder (the settings
// file save/Vorn.mvc).

#include "model/CMouseConfig.h"

class CVornConfig : public CMouseConfig {
public:
    // programFolder ends with '/' (one is added when missing); empty means the folder of the
    // running executable.
    explicit CVornConfig(std::u16string_view programFolder = {});

    // A profile with five stages and the factory defaults (ApplyDefaults with it).
    IMouseProfile* NewProfile(std::u16string_view name) override;
    std::u16string GetProfileExtension() const override;

    // The default set-up on the profile (null: the active one); the store-level settings are
    // set either way. With a profile, every profile's profile-display flag becomes the active
    // profile's (off when there is none); without, it becomes on.
    void ApplyDefaults(IMouseProfile* profile = nullptr);
};
