#pragma once

// The mouse's own profile type: a CMouseProfile that adds and overrides nothing. The profile
// page's import command uses it for its transient profile.

#include "model/CMouseProfile.h"

class CVornProfile : public CMouseProfile {
public:
    using CMouseProfile::CMouseProfile;
};
