// The course's one transistor: a silicon NPN described by the transport (Ebers–Moll) equations
// with the Early effect, a recombination base current that lowers β at low current, a knee
// current that lowers it at high current, the temperature laws of IS and β, and the
// collector–base leakage ICBO as a term of its own. Every curve and every "measured" number
// of the theory pages comes from here; docs/device-model.md lists the parameters.
//
//   DeviceModel q;                                  // the NPN at its default parameters
//   double ic = q.collectorCurrent(0.65, 5.0);      // A, at VBE = 0,65 V, VCE = 5 V, 25 °C
//   double vbe = q.baseEmitterVoltage(1e-3, 5.0);   // V for IC = 1 mA
//   double ic2 = q.outputCurve(20e-6, 6.0);         // IC on the IB = 20 µA curve at VCE = 6 V
//   DeviceModel p(DeviceModel::Polarity::Pnp);      // the same device mirrored: negative
//                                                   // voltages and currents
//
// Voltages and currents carry the NPN's signs (IC and IB flowing in, VBE and VCE positive in
// the active region); a PNP takes and returns them with every sign turned. Temperatures are in
// degrees Celsius.
#pragma once

namespace apostila::figures {

struct DeviceParameters {
  double is = 1e-14;        // A, transport saturation current at 25 °C
  double betaF = 215;       // ideal forward β (the recombination and knee terms bring it down)
  double betaR = 2;         // reverse β
  double vaf = 100;         // V, forward Early voltage
  double ikf = 0.15;        // A, knee current where high injection sets in
  double ise = 1e-12;       // A, base–emitter recombination saturation current
  double ne = 2;            // its emission coefficient
  double eg = 1.17;         // eV, band gap extrapolated to 0 K, behind IS(T)
  double xti = 3;           // temperature exponent of IS
  double xtb = 1.5;         // temperature exponent of β
  double icbo25 = 10e-9;    // A, collector–base leakage at 25 °C
  double icboDoubling = 10; // °C for the leakage to double
  double bvceo = 40;        // V, collector–emitter breakdown with the base open
  double pmax = 0.5;        // W, maximum dissipation at 25 °C
};

class DeviceModel {
 public:
  enum class Polarity { Npn, Pnp };
  static constexpr double kRoomCelsius = 25;

  explicit DeviceModel(Polarity polarity = Polarity::Npn, DeviceParameters p = {});

  const DeviceParameters& parameters() const { return p_; }
  Polarity polarity() const { return polarity_; }

  // kT/q at the given temperature (25,7 mV at 25 °C).
  static double thermalVoltage(double celsius = kRoomCelsius);
  double saturationCurrent(double celsius = kRoomCelsius) const;  // IS(T)

  double collectorCurrent(double vbe, double vce, double celsius = kRoomCelsius) const;
  double baseCurrent(double vbe, double vce, double celsius = kRoomCelsius) const;
  // The VBE that gives this IC at this VCE, found by bisection.
  double baseEmitterVoltage(double ic, double vce, double celsius = kRoomCelsius) const;
  // The output characteristic: IC at this VCE with the base fed by the constant current IB.
  double outputCurve(double ib, double vce, double celsius = kRoomCelsius) const;
  // The operating point on a DC load line: the VCE at which the IB curve meets the line from
  // (0, VCC / R) to (VCC, 0), where R is everything in series with the collector and emitter.
  double loadLineVce(double ib, double vcc, double r, double celsius = kRoomCelsius) const;
  // hFE = IC / IB at this collector current (VCE = 5 V unless given).
  double beta(double ic, double celsius = kRoomCelsius, double vce = 5) const;
  // Collector–base leakage with the emitter open, and collector–emitter with the base open.
  double icbo(double celsius = kRoomCelsius) const;
  double iceo(double vce = 10, double celsius = kRoomCelsius) const;
  // The hyperbola of maximum dissipation: the largest IC allowed at this VCE.
  double maxCollectorCurrent(double vce) const;

 private:
  struct Terminals {
    double ic, ib;
    double leakage;  // the part of both that is the collector junction's leakage
  };
  // Both currents of the NPN at these junction voltages.
  Terminals npn(double vbe, double vbc, double celsius) const;
  // The VBE at which f(VBE) reaches target; f must rise with VBE.
  template <typename F>
  static double solveVbe(F f, double target);
  double sign() const { return polarity_ == Polarity::Npn ? 1.0 : -1.0; }

  Polarity polarity_;
  DeviceParameters p_;
};

}  // namespace apostila::figures
