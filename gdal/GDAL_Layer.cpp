#include "gdal/GDAL_Layer.h"

#include <exception>
#include <new>

#include "gdal/GDAL_FileAccess.h"
#include "tools/formats/TOOL_ExceptionName.h"

namespace gdal {

namespace {

// A failure inside a call from GDAL becomes GDAL's error: nothing is thrown through its code.
void Report(const char* layer, const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e)) {
        CPLError(CE_Failure, CPLE_OutOfMemory, "%s: out of memory", layer);
    } else {
        CPLError(CE_Failure, CPLE_AppDefined, "%s: failed: %s", layer, tool::DescribeException(e).c_str());
    }
}

}  // namespace

Layer_t::Layer_t(GDALDataset& dataset, const model::File_t& file, model::LayerId_t layer,
                 OGRSpatialReference* srs)
    : dataset_(dataset),
      file_(file),
      defn_(new OGRFeatureDefn(model::LayerName(layer))),
      features_(file, layer),
      count_(file.Count(layer)) {
    defn_->Reference();
    Features_t::Define(layer, *defn_);
    defn_->GetGeomFieldDefn(0)->SetSpatialRef(srs);
    SetDescription(defn_->GetName());
}

Layer_t::~Layer_t() {
    defn_->Release();
}

OGRFeature* Layer_t::Make(std::size_t index) {
    try {
        FileAccess_t access(file_.CodePage());
        return features_.Make(defn_, index).release();
    } catch (const std::exception& e) {
        Report(defn_->GetName(), e);
        return nullptr;
    }
}

OGRFeature* Layer_t::GetNextFeature() {
    while (next_ < count_) {
        OGRFeature* feature = Make(next_++);
        if (feature == nullptr) return nullptr;
        if ((m_poFilterGeom == nullptr || FilterGeometry(feature->GetGeometryRef())) &&
            (m_poAttrQuery == nullptr || m_poAttrQuery->Evaluate(feature)))
            return feature;
        delete feature;
    }
    return nullptr;
}

OGRErr Layer_t::SetNextByIndex(GIntBig index) {
    if (Filtered()) return OGRLayer::SetNextByIndex(index);
    if (index < 0 || static_cast<std::size_t>(index) > count_) return OGRERR_FAILURE;
    next_ = static_cast<std::size_t>(index);
    return OGRERR_NONE;
}

OGRFeature* Layer_t::GetFeature(GIntBig fid) {
    if (fid < 0 || static_cast<std::size_t>(fid) >= count_) return nullptr;
    return Make(static_cast<std::size_t>(fid));
}

GIntBig Layer_t::GetFeatureCount(int force) {
    if (Filtered()) return OGRLayer::GetFeatureCount(force);
    return static_cast<GIntBig>(count_);
}

OGRErr Layer_t::GetExtent(OGREnvelope* extent, int /*force*/) {
    if (!extent_known_) {
        try {
            FileAccess_t access(file_.CodePage());
            OGREnvelope all;
            if (features_.Extent(all)) extent_ = all;
        } catch (const std::exception& e) {
            Report(defn_->GetName(), e);
            extent_.reset();
            return OGRERR_FAILURE;
        }
        extent_known_ = true;
    }
    if (!extent_) return OGRERR_FAILURE;
    *extent = *extent_;
    return OGRERR_NONE;
}

OGRErr Layer_t::GetExtent(int geometry_field, OGREnvelope* extent, int force) {
    if (geometry_field != 0) return OGRLayer::GetExtent(geometry_field, extent, force);
    return GetExtent(extent, force);
}

int Layer_t::TestCapability(const char* capability) {
    if (EQUAL(capability, OLCRandomRead) || EQUAL(capability, OLCFastGetExtent) ||
        EQUAL(capability, OLCStringsAsUTF8))
        return TRUE;
    if (EQUAL(capability, OLCFastFeatureCount) || EQUAL(capability, OLCFastSetNextByIndex))
        return !Filtered();
    return FALSE;
}

}  // namespace gdal
