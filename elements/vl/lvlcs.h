// The units with n parallel inserts of thickness t across their width A,
// in one of three variants (N, S, R): CS, straight, of length L; CSK-H, a
// corner that turns the run in the plane of A inside a square body of side
// A + 250; CSK-V, a corner that turns it in the plane of B (side B + 250).
// The connectors' area is the section the inserts leave free.
//
// Values (GetParams, SetParams, XDATA): CS A, B, L, n, t, variant; CSK-H
// and CSK-V A, B, n, t, variant.
#pragma once

#include <string>

#include "core/fitting_figures.h"
#include "elements/vl/lvl.h"

// The part of the section A that n inserts of thickness t leave free:
// never below 0, and 0 for a section that is not a size.
double FreeAreaFactor(int16_t n, double t, double A);

// What the three units share: the inserts, the variant and the texts built
// from the variant's text in the type's row.
class LVlInsertUnit : public LVl {
public:
    // The name: "CS-N" for the straight unit, "CSK-N-H" or "CSK-N-V" for a
    // corner; a variant outside the list prints without its letter.
    virtual std::string NameText() const = 0;
    // The name, then every row parameter but the variant.
    char* GetDescription() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    int16_t n = 0;
    int16_t variant = 1;
    double A = 0.0;
    double B = 0.0;
    double t = 0.0;

protected:
    LVlInsertUnit(int16_t typeId, int16_t valueCount, int16_t variantParam);
    // Area factor of both connectors, and connector 1 takes connector 0's
    // airflow.
    void SizeConnectors(double a0, double b0, double a1, double b1);
    // The fitting label with the name and "A x B", the airflow that of
    // connector 0.
    int16_t MakeLabel();
    // The variant's text in the row ("" outside the list).
    const char* VariantText() const;

    int16_t variantParam;
};

class LVlCs : public LVlInsertUnit {
public:
    LVlCs();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;
    std::string NameText() const override;

    double L = 0.0;
};

// The two corner units: their values and sizes.
class LVlCsCorner : public LVlInsertUnit {
public:
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    // A square section when only B is given; 0 keeps a value.
    int16_t SetParams(const double* values) override;
    int16_t UpdateLabel() override;
    std::string NameText() const override;

    double S = 0.0;  // side of the square body

protected:
    LVlCsCorner(int16_t typeId, const char* plane);
    virtual void PlaceConnectors() = 0;
    // x (or y) of insert line k between the n inserts across a width.
    double InsertLine(int k, double from, double width) const { return from + k * width / n; }

    const char* plane;
};

class LVlCsKH : public LVlCsCorner {
public:
    LVlCsKH();
    int16_t MakeBlock(char* blockName) override;

private:
    void PlaceConnectors() override;
    void DrawInserts(double s, FittingPen pen);
};

class LVlCsKV : public LVlCsCorner {
public:
    LVlCsKV();
    int16_t MakeBlock(char* blockName) override;

private:
    void PlaceConnectors() override;
};
