// State of the load case being solved: its pile-head condition, the
// iteration, the results at the head and the running maxima.
#pragma once

#include "model/analysis_model.h"
#include "pile/pile_nodes.h"

namespace drovi {

// The five pile-head conditions.
enum class HeadType : int {
    ShearAndMoment = 1,            // V, M
    ShearAndSlope = 2,             // V, S
    ShearAndRotationalStiffness = 3,  // V, K_theta (moment per radian)
    DeflectionAndMoment = 4,       // yt, M
    DeflectionAndSlope = 5,        // yt, S
};

struct HeadCondition {
    int type = 1;
    double condition1 = 0.0;
    double condition2 = 0.0;
    double P = 0.0;  // axial thrust, compression positive
};

struct ResponseMaxima {
    double moment = 0.0;  // largest |M| and its depth
    double momentDepth = 0.0;
    double shear = 0.0;  // largest |V| and its depth
    double shearDepth = 0.0;
    double stress = 0.0;  // largest combined stress
    Table<double, kMaxSections> sectionMoment;
    Table<int, kMaxSections> sectionMomentNode;
    Table<double, kMaxSections> sectionShear;
    Table<int, kMaxSections> sectionShearNode;
};

struct LoadCaseState {
    int number = 0;
    HeadCondition head;
    int iteration = 0;
    double Vt = 0.0;     // tip shear
    double dYmax = 0.0;  // largest change of deflection in the last solution
    // Results at the head, written by NodeResponse(1).
    double headShear = 0.0;
    double headMoment = 0.0;
    double headSlope = 0.0;
    // Type 5: the head moments of nodes 1 and 3, for the shear at node 2.
    double M1 = 0.0;
    double M3 = 0.0;
    ResponseMaxima maxima;
    bool reachedMomentCapacity = false;
};

// What the reports keep of a load case once it has converged.
struct LoadCaseResult {
    int type = 0;
    double condition1 = 0.0;
    double condition2 = 0.0;
    double axialThrust = 0.0;
    double headDeflection = 0.0;
    double headRotation = 0.0;
    double headShear = 0.0;
    double headMoment = 0.0;
    double maxMoment = 0.0;  // signed value of the largest |M|
    double maxShear = 0.0;   // signed value of the largest |V|
    double depthOfMaxMoment = 0.0;
    double depthOfMaxShear = 0.0;
    int iterations = 0;
    int zeroDeflectionPoints = 0;
    Table<double, kMaxSections> sectionMaxMoment;
    Table<double, kMaxSections> sectionMaxShear;
};

// Working arrays of one solution, sized once.
struct SolverWork {
    NodeArray A, B, C, D, E;
    double F[5][5] = {};  // head system, F[row][column]
    double G[5] = {};
    double X[5] = {};
};

}  // namespace drovi
