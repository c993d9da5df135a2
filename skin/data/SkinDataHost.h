// TSkinDataHost: what a skin component tells the skin manager above it. The data layer owns
// this seam and links nothing above itself: the manager says where its host is found, and
// without one a component keeps to itself.
#pragma once

namespace tw {

class TSkinData;

class TSkinDataHost {
public:
    // A component has loaded at run time: list it, and switch skinning on or schedule its
    // activation.
    virtual void SkinDataLoaded(TSkinData& data) = 0;
    // A component goes: forget it.
    virtual void SkinDataRemoved(TSkinData& data) = 0;
    // A component parsed a new skin and hands it over.
    virtual void SkinApplied(TSkinData& data) = 0;
    // A component's Active switch changed at run time.
    virtual void SkinActiveChanged(TSkinData& data, bool active) = 0;

protected:
    ~TSkinDataHost() = default;
};

// Where components find the host: only one that exists (create false), or one made when
// missing. It answers null when there is none to be had.
using TSkinDataHostSource = TSkinDataHost* (*)(bool create);

// Set by the layer above; null takes the host away.
void SetSkinDataHostSource(TSkinDataHostSource source);
// The host, or null without a source or when the source has none.
TSkinDataHost* FindSkinDataHost(bool create);

}  // namespace tw
