#pragma once
// One layer of a loaded file: features by id (0-based, in dump's order), a count and an extent
// known without reading the features, GDAL's own spatial and attribute filters.
#include <cstddef>
#include <optional>

#include "gdal/GDAL_Api.h"
#include "gdal/GDAL_Features.h"
#include "model/MODEL_File.h"

namespace gdal {

class Layer_t final : public OGRLayer {
public:
    // srs: WGS 84, longitude first; the layer keeps a reference.
    Layer_t(GDALDataset& dataset, const model::File_t& file, model::LayerId_t layer,
            OGRSpatialReference* srs);
    ~Layer_t() override;
    Layer_t(const Layer_t&) = delete;
    Layer_t& operator=(const Layer_t&) = delete;

    void ResetReading() override { next_ = 0; }
    OGRFeature* GetNextFeature() override;
    OGRErr SetNextByIndex(GIntBig index) override;
    OGRFeature* GetFeature(GIntBig fid) override;
    OGRFeatureDefn* GetLayerDefn() override { return defn_; }
    GIntBig GetFeatureCount(int force) override;
    using OGRLayer::GetExtent;
    OGRErr GetExtent(OGREnvelope* extent, int force) override;
    OGRErr GetExtent(int geometry_field, OGREnvelope* extent, int force) override;
    int TestCapability(const char* capability) override;
    GDALDataset* GetDataset() override { return &dataset_; }

private:
    // The feature at index, or null with an error when it cannot be made.
    OGRFeature* Make(std::size_t index);
    bool Filtered() const { return m_poFilterGeom != nullptr || m_poAttrQuery != nullptr; }

    GDALDataset& dataset_;
    const model::File_t& file_;
    OGRFeatureDefn* defn_;
    Features_t features_;
    std::size_t count_;
    std::size_t next_ = 0;
    std::optional<OGREnvelope> extent_;  // of every feature; empty while unknown
    bool extent_known_ = false;
};

}  // namespace gdal
