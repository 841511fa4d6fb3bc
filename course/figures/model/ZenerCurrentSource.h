// The transistor as a current source: a zener diode holds the base of an NPN at VZ, the emitter
// resistor RE then fixes the emitter current, and the load lies between VCC and the collector.
// Beside the hand method (VBE = 0,7 V, IC ≈ IE, saturation at VCE(sat) = 0,2 V) the circuit is
// solved on the device model, so that a page can show how constant IC really stays as the load
// changes.
//
//   ZenerCurrentSource s{.vcc = 12, .vz = 4.7, .rz = 1e3, .re = 1e3};
//   double ic = s.current();                        // (VZ − 0,7 V) / RE = 4 mA
//   double rlMax = s.maxLoad();                     // the largest load before saturation
//   auto q = s.solveResistor(1.5e3);                // the model's IC, IB, VE and VC
//   auto l = s.solve([](double ic) { return 6.0; }); // a load of any voltage law: three LEDs
//
// The zener is taken as ideal while it conducts: its resistor RZ must bring more current than
// the base draws, or the base voltage would fall below VZ; solve refuses such a point.
#pragma once

#include <functional>

namespace apostila::figures {

struct ZenerCurrentSource {
  static constexpr double kVceSat = 0.2;  // V, the hand method's saturated VCE

  double vcc = 0;  // V
  double vz = 0;   // V, the zener's voltage, which the base sits at
  double rz = 0;   // Ω, from VCC to the zener's cathode
  double re = 0;   // Ω

  // The hand method.
  double emitterVoltage() const;                               // VE = VZ − VBE
  double current() const { return emitterVoltage() / re; }     // IE, and IC ≈ IE
  double maxLoadVoltage() const;                               // VCC − VE − VCE(sat)
  double maxLoad() const { return maxLoadVoltage() / current(); }  // RL(máx)
  double zenerCurrent() const { return (vcc - vz) / rz; }      // with the base current neglected

  // The circuit on the device model at 25 °C, the load given by its voltage at a collector
  // current (which must not fall as the current rises).
  struct Solution {
    double ic = 0, ib = 0, ve = 0, vc = 0;  // A, A, V, V
    double vce() const { return vc - ve; }
  };
  Solution solve(const std::function<double(double)>& loadVoltage) const;
  Solution solveResistor(double rl) const;
};

}  // namespace apostila::figures
