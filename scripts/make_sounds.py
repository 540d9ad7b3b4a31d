#!/usr/bin/env python3
"""Synthesize the sounds of the trainer into resources/sounds/.

Everything is generated here from scratch (sines, filtered noise, short
resonant clicks); nothing is sampled.  Standard library only.

Output format of every file: RIFF WAVE, PCM, mono, 8 bits unsigned
(silence = 128), 11025 Hz.

Two kinds of sound:

* Mechanism loops (16xx for xx < 20).  They repeat without end, so each one
  is built to be exactly periodic over its length: every tone has a whole
  number of cycles in the loop, every filtered noise bed is filtered
  circularly, and every click/thump/creak is added with wrap-around.  The
  finished loop is then rotated so that it starts at its quietest spot,
  which makes the join between the last and the first sample as smooth as
  any other pair of neighbouring samples.  Peak level is 60 % of full scale.

* Feedback sounds (1621, 1622), played once, with a fade-in and fade-out.

The script is deterministic: every sound uses its own fixed random seed,
so running it twice gives identical bytes.

Usage:  python3 scripts/make_sounds.py [output directory]
"""

import math
import os
import random
import struct
import sys
import wave

SR = 11025
TWO_PI = 2.0 * math.pi
LOOP_PEAK = 0.60


# ---------------------------------------------------------------- helpers

def seconds(n):
    return n / SR


def cycles_freq(f, n):
    """Frequency closest to f that has a whole number of cycles in n samples."""
    c = max(1, int(round(f * n / SR)))
    return c * SR / n


def add_hum(buf, f0, partials, amp, rng, am=None):
    """Add a harmonic hum.  f0 is snapped so that it is periodic in len(buf).

    partials: list of (harmonic number, relative amplitude).
    am: optional list (same length) of gain factors.
    """
    n = len(buf)
    f0 = cycles_freq(f0, n)
    for k, a in partials:
        w = TWO_PI * f0 * k / SR
        ph = rng.uniform(0.0, TWO_PI)
        g = amp * a
        if am is None:
            for i in range(n):
                buf[i] += g * math.sin(w * i + ph)
        else:
            for i in range(n):
                buf[i] += g * am[i] * math.sin(w * i + ph)


def periodic_env(n, terms, base=1.0):
    """Slow gain curve, periodic in n: base + sum(depth*cos(2*pi*c*i/n + ph))."""
    env = [base] * n
    for c, depth, ph in terms:
        w = TWO_PI * c / n
        for i in range(n):
            env[i] += depth * math.cos(w * i + ph)
    return env


def white(n, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


def biquad_coeffs(kind, f0, q):
    w0 = TWO_PI * f0 / SR
    cw, sw = math.cos(w0), math.sin(w0)
    alpha = sw / (2.0 * q)
    if kind == "lp":
        b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
    elif kind == "hp":
        b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
    elif kind == "bp":
        b0, b1, b2 = alpha, 0.0, -alpha
    else:
        raise ValueError(kind)
    a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    return b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0


def biquad(x, kind, f0, q=0.707, circular=False):
    """RBJ biquad.  circular=True runs the buffer twice and keeps the second
    pass, so the result is (to far below 8-bit resolution) periodic."""
    b0, b1, b2, a1, a2 = biquad_coeffs(kind, f0, q)
    x1 = x2 = y1 = y2 = 0.0
    passes = 2 if circular else 1
    out = [0.0] * len(x)
    for _ in range(passes):
        for i, v in enumerate(x):
            y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1 = x1, v
            y2, y1 = y1, y
            out[i] = y
    return out


def add_at(buf, pos, ev, gain=1.0):
    """Add an event into a loop buffer with wrap-around."""
    n = len(buf)
    for i, v in enumerate(ev):
        buf[(pos + i) % n] += gain * v


def damped(f, decay, length, amp=1.0, attack=0.0008, phase=0.0):
    """Exponentially decaying sine with a tiny raised-cosine attack."""
    out = []
    w = TWO_PI * f / SR
    na = max(1, int(attack * SR))
    for i in range(length):
        e = amp * math.exp(-i / (decay * SR))
        if i < na:
            e *= 0.5 - 0.5 * math.cos(math.pi * i / na)
        out.append(e * math.sin(w * i + phase))
    return out


def noise_burst(rng, length, decay, f0, q, kind="bp", attack=0.0005):
    x = white(length, rng)
    na = max(1, int(attack * SR))
    for i in range(length):
        e = math.exp(-i / (decay * SR))
        if i < na:
            e *= i / na
        x[i] *= e
    return biquad(x, kind, f0, q)


def mix(*parts):
    n = max(len(p) for p in parts)
    out = [0.0] * n
    for p in parts:
        for i, v in enumerate(p):
            out[i] += v
    return out


def scaled(x, g):
    return [g * v for v in x]


def click(rng, modes, noise_amp=0.3, noise_f=3000.0, length=0.04):
    """A short resonant click: a few damped modes plus a tiny noise tick.

    modes: list of (frequency, decay seconds, amplitude)."""
    n = int(length * SR)
    parts = [damped(f, d, n, a, phase=rng.uniform(0, TWO_PI)) for f, d, a in modes]
    if noise_amp:
        parts.append(scaled(noise_burst(rng, n, 0.0015, noise_f, 1.2), noise_amp))
    return mix(*parts)


def creak(rng, length, rate_curve, resonators, amp_curve, jitter=0.12):
    """Stick-slip creak: a train of impulses whose rate follows rate_curve,
    each impulse ringing a bank of resonators.

    rate_curve(u) -> pulses per second, amp_curve(u) -> gain, u in [0, 1].
    resonators: list of (frequency, decay seconds, amplitude)."""
    out = [0.0] * length
    # one ringing response shared by all pulses (with a little variation)
    ring_len = int(0.06 * SR)
    t = 0.0
    while True:
        pos = int(t * SR)
        if pos >= length:
            break
        u = pos / length
        g = amp_curve(u) * rng.uniform(0.7, 1.0)
        if g > 0.001:
            for f, d, a in resonators:
                fv = f * rng.uniform(0.97, 1.03)
                ev = damped(fv, d, ring_len, a * g, attack=0.0004,
                            phase=rng.uniform(0, TWO_PI))
                for i, v in enumerate(ev):
                    if pos + i < length:
                        out[pos + i] += v
        rate = max(1.0, rate_curve(u))
        t += (1.0 / rate) * rng.uniform(1.0 - jitter, 1.0 + jitter)
    return out


def smooth_window(u):
    """0..1..0 bump with soft edges, u in [0, 1]."""
    if u <= 0.0 or u >= 1.0:
        return 0.0
    return math.sin(math.pi * u) ** 1.5


# ---------------------------------------------------------------- finishing

def remove_dc(buf):
    m = sum(buf) / len(buf)
    return [v - m for v in buf]


def normalise(buf, peak):
    p = max(abs(v) for v in buf) or 1.0
    return [v * peak / p for v in buf]


def quiet_start(buf):
    """Index where a loop can start most smoothly: quietest 15 ms region,
    then, near it, the sample closest to zero with the smallest step."""
    n = len(buf)
    win = int(0.015 * SR)
    sq = [v * v for v in buf]
    acc = sum(sq[i % n] for i in range(-win, win))
    best_i, best_e = 0, acc
    for i in range(1, n):
        acc += sq[(i + win - 1) % n] - sq[(i - win - 1) % n]
        if acc < best_e - 1e-12:
            best_i, best_e = i, acc
    best_j, best_cost = best_i, None
    for d in range(-win, win):
        j = (best_i + d) % n
        cost = abs(buf[j]) + abs(buf[j] - buf[j - 1])
        if best_cost is None or cost < best_cost - 1e-12:
            best_j, best_cost = j, cost
    return best_j


def to_u8(buf):
    out = bytearray()
    for v in buf:
        s = int(round(128.0 + 127.0 * v))
        out.append(min(255, max(0, s)))
    return bytes(out)


def finish_loop(buf):
    buf = normalise(remove_dc(buf), LOOP_PEAK)
    k = quiet_start(buf)
    return to_u8(buf[k:] + buf[:k])


def finish_once(buf, peak, fade_in=0.004, fade_out=0.08):
    n = len(buf)
    buf = normalise(buf, peak)
    nin, nout = int(fade_in * SR), int(fade_out * SR)
    for i in range(nin):
        buf[i] *= 0.5 - 0.5 * math.cos(math.pi * i / nin)
    for i in range(nout):
        buf[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / nout)
    if n % 2:
        buf.append(0.0)     # keep the data chunk an even number of bytes
    return to_u8(buf)


def write_wav(path, data):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(SR)
        w.writeframes(data)


# ---------------------------------------------------------------- loops

def gears(rng):
    """Spur / bevel gears, gear trains: soft rhythmic tooth clicks over a hum."""
    step = 882                      # 12.5 tooth contacts per second
    count = 20
    n = step * count                # 1.6 s
    buf = [0.0] * n
    am = periodic_env(n, [(count, 0.12, 0.0)])
    add_hum(buf, 100.0, [(1, 1.0), (2, 0.45), (3, 0.18), (5, 0.06)], 0.16, rng, am)
    accents = [1.0, 0.72, 0.86, 0.68]
    for j in range(count):
        a = accents[j % 4] * rng.uniform(0.9, 1.05)
        v = rng.uniform(0.97, 1.03)
        ev = click(rng, [(1350 * v, 0.006, 0.8), (2150 * v, 0.0035, 0.45),
                         (700 * v, 0.010, 0.25)], noise_amp=0.25, noise_f=2500)
        add_at(buf, j * step + rng.randint(-6, 6), ev, a)
    return buf


def belt(rng):
    """Belt drive: smooth whoosh / hum with a slow periodic flap."""
    n = 22050                       # 2.0 s
    flaps = 3                       # one every 0.67 s
    buf = [0.0] * n
    wh = biquad(white(n, rng), "bp", 420.0, 0.6, circular=True)
    wh = biquad(wh, "lp", 1400.0, 0.7, circular=True)
    env = periodic_env(n, [(flaps, 0.22, 0.6), (1, 0.08, 1.3)])
    for i in range(n):
        buf[i] += 0.55 * wh[i] * env[i]
    add_hum(buf, 80.0, [(1, 1.0), (2, 0.5), (3, 0.2)], 0.12, rng)
    for j in range(flaps):
        m = int(0.09 * SR)
        thump = damped(150.0, 0.03, m, 0.8, attack=0.004)
        slap = noise_burst(rng, m, 0.025, 300.0, 0.9, attack=0.004)
        ev = mix(thump, scaled(slap, 1.6))
        add_at(buf, j * (n // flaps) + rng.randint(-20, 20), ev, 0.6)
    return buf


def friction(rng):
    """Friction wheels: soft rolling rumble."""
    n = 22050                       # 2.0 s
    buf = [0.0] * n
    r = biquad(white(n, rng), "lp", 260.0, 0.8, circular=True)
    r = biquad(r, "hp", 60.0, 0.7, circular=True)
    grit = biquad(white(n, rng), "bp", 1100.0, 0.9, circular=True)
    env = periodic_env(n, [(4, 0.22, 0.0), (7, 0.10, 1.0), (2, 0.08, 2.0)])
    for i in range(n):
        buf[i] += (2.2 * r[i] + 0.06 * grit[i]) * env[i]
    add_hum(buf, 95.0, [(1, 1.0), (2, 0.3)], 0.05, rng, env)
    return buf


def chain(rng):
    """Chain drive: rattling chain, quick regular clicks."""
    step = 490                      # 22.5 links per second
    count = 36
    n = step * count                # 1.6 s
    buf = [0.0] * n
    add_hum(buf, 70.0, [(1, 1.0), (2, 0.6), (3, 0.3), (4, 0.15)], 0.07, rng)
    rattle = biquad(white(n, rng), "bp", 1800.0, 1.0, circular=True)
    renv = periodic_env(n, [(count, 0.6, 0.0)])
    for i in range(n):
        buf[i] += 0.05 * rattle[i] * max(0.0, renv[i])
    for j in range(count):
        a = (1.0 if j % 2 == 0 else 0.72) * rng.uniform(0.8, 1.05)
        v = rng.uniform(0.95, 1.05)
        ev = click(rng, [(2700 * v, 0.003, 0.7), (3900 * v, 0.002, 0.4),
                         (1500 * v, 0.005, 0.35)], noise_amp=0.35, noise_f=3200,
                   length=0.025)
        add_at(buf, j * step + rng.randint(-12, 12), ev, a)
        # loose plates rattling a little after the engagement
        if rng.random() < 0.6:
            ev2 = click(rng, [(3300 * v, 0.0015, 0.5)], noise_amp=0.2,
                        noise_f=3500, length=0.012)
            add_at(buf, j * step + rng.randint(120, 300), ev2, 0.25 * a)
    return buf


def ujoint(rng):
    """Universal joint: low hum with a gentle once-per-turn knock."""
    turn = 8820                     # 0.8 s per turn
    turns = 2
    n = turn * turns                # 1.6 s
    buf = [0.0] * n
    am = periodic_env(n, [(2 * turns, 0.2, 0.0)])   # speed wobble, twice a turn
    add_hum(buf, 90.0, [(1, 1.0), (2, 0.5), (3, 0.25), (4, 0.1)], 0.22, rng, am)
    for j in range(turns):
        m = int(0.16 * SR)
        knock = mix(damped(170.0, 0.045, m, 1.0, attack=0.002),
                    damped(460.0, 0.014, m, 0.45, attack=0.001),
                    scaled(noise_burst(rng, m, 0.010, 600.0, 0.7, kind="lp",
                                       attack=0.002), 0.8))
        add_at(buf, j * turn + int(0.1 * SR), knock, 0.55 * rng.uniform(0.95, 1.0))
    return buf


def rack(rng):
    """Rack and pinion: clicking with a slight pitch."""
    step = 1050                     # 10.5 teeth per second
    count = 12
    n = step * count                # 1.14 s
    buf = [0.0] * n
    add_hum(buf, 110.0, [(1, 1.0), (2, 0.35)], 0.06, rng)
    slide = biquad(white(n, rng), "bp", 700.0, 0.8, circular=True)
    for i in range(n):
        buf[i] += 0.03 * slide[i]
    for j in range(count):
        pitch = 980.0 * (1.0 + 0.02 * (j % 2)) * rng.uniform(0.995, 1.005)
        ev = click(rng, [(pitch, 0.014, 0.9), (pitch * 2.0, 0.006, 0.3),
                         (pitch * 2.76, 0.003, 0.15)], noise_amp=0.25,
                   noise_f=2600, length=0.07)
        add_at(buf, j * step + rng.randint(-5, 5), ev, rng.uniform(0.88, 1.0))
    return buf


def worm(rng):
    """Worm gear: low grinding hum."""
    n = 17640                       # 1.6 s
    buf = [0.0] * n
    f0 = cycles_freq(65.0, n)
    slow = periodic_env(n, [(2, 0.15, 0.0), (3, 0.06, 1.0)])
    add_hum(buf, f0, [(k, 1.0 / k) for k in range(1, 9)], 0.18, rng, slow)
    # grinding: band noise pulsed at the hum frequency
    g = biquad(white(n, rng), "bp", 850.0, 1.0, circular=True)
    g2 = biquad(white(n, rng), "bp", 2000.0, 1.5, circular=True)
    w = TWO_PI * f0 / SR
    for i in range(n):
        pulse = (0.5 + 0.5 * math.cos(w * i)) ** 3
        buf[i] += slow[i] * (0.28 * g[i] * (0.35 + pulse) + 0.08 * g2[i] * pulse)
    return buf


def screw(rng):
    """Screw and nut: slow creaking turn (two creaks per loop)."""
    n = 22050                       # 2.0 s
    buf = [0.0] * n
    scrape = biquad(white(n, rng), "bp", 500.0, 0.7, circular=True)
    env = periodic_env(n, [(2, 0.4, 0.0)])
    for i in range(n):
        buf[i] += 0.03 * scrape[i] * env[i]
    res = [(620.0, 0.012, 1.0), (1450.0, 0.008, 0.55), (2350.0, 0.005, 0.3)]
    for j, (r0, r1) in enumerate([(28.0, 70.0), (32.0, 62.0)]):
        m = int(0.72 * SR)
        c = creak(rng, m,
                  lambda u, r0=r0, r1=r1: r0 + (r1 - r0) * math.sin(math.pi * u),
                  res, smooth_window)
        add_at(buf, j * (n // 2) + int(0.12 * SR), c, 0.5)
    return buf


def cam(rng):
    """Cam: thump of the follower, once per turn."""
    turn = 8820                     # 0.8 s per turn
    turns = 2
    n = turn * turns                # 1.6 s
    buf = [0.0] * n
    add_hum(buf, 100.0, [(1, 1.0), (2, 0.4)], 0.03, rng)

    def thump(amp):
        m = int(0.18 * SR)
        out = [0.0] * m
        ph = 0.0
        for i in range(m):
            t = i / SR
            f = 80.0 + 90.0 * math.exp(-t / 0.03)
            ph += TWO_PI * f / SR
            e = math.exp(-t / 0.06) * min(1.0, i / (0.003 * SR))
            out[i] = amp * e * (math.sin(ph) + 0.35 * math.sin(2 * ph))
        tick = noise_burst(rng, m, 0.012, 500.0, 0.7, kind="lp", attack=0.002)
        return mix(out, scaled(tick, 0.9 * amp))

    for j in range(turns):
        base = j * turn + int(0.1 * SR)
        add_at(buf, base, thump(1.0 * rng.uniform(0.95, 1.0)))
        add_at(buf, base + int(0.09 * SR), thump(0.3))       # small rebound
        # the follower riding up the cam: a faint rising rub before the drop
        m = int(0.35 * SR)
        rub = biquad(white(m, rng), "bp", 380.0, 1.0)
        for i in range(m):
            rub[i] *= 0.05 * math.sin(math.pi * i / m) ** 2
        add_at(buf, base - m - int(0.05 * SR), rub)
    return buf


def piston(rng):
    """Crank and piston: chuff-chuff, two strokes per turn."""
    stroke = 4410                   # 0.4 s per stroke, 0.8 s per turn
    strokes = 4
    n = stroke * strokes            # 1.6 s
    buf = [0.0] * n
    add_hum(buf, 75.0, [(1, 1.0), (2, 0.4)], 0.04, rng)
    for j in range(strokes):
        strong = j % 2 == 0
        m = int(0.3 * SR)
        x = white(m, rng)
        na = int(0.012 * SR)
        for i in range(m):
            e = math.exp(-i / (0.075 * SR))
            if i < na:
                e *= i / na
            x[i] *= e
        steam = mix(scaled(biquad(x, "bp", 950.0 if strong else 800.0, 0.8), 1.0),
                    scaled(biquad(x, "lp", 1800.0, 0.7), 0.25))
        steam = biquad(steam, "lp", 3000.0, 0.7)
        thud = damped(110.0, 0.04, m, 0.35, attack=0.003)
        ev = mix(steam, thud)
        add_at(buf, j * stroke + int(0.05 * SR) + rng.randint(-10, 10), ev,
               (1.0 if strong else 0.78) * rng.uniform(0.95, 1.0))
    return buf


def lever(rng):
    """Lever / inclined plane: one slow creak per loop."""
    n = 22050                       # 2.0 s
    buf = [0.0] * n
    res = [(340.0, 0.018, 1.0), (820.0, 0.010, 0.5), (1700.0, 0.006, 0.2)]
    m = int(1.1 * SR)
    c = creak(rng, m, lambda u: 18.0 + 22.0 * math.sin(math.pi * u) ** 0.7,
              res, lambda u: smooth_window(u) * (0.8 + 0.2 * math.sin(5 * u)),
              jitter=0.18)
    add_at(buf, int(0.3 * SR), c, 0.5)
    # very faint settling rub between creaks
    rub = biquad(white(n, rng), "bp", 300.0, 0.8, circular=True)
    env = periodic_env(n, [(1, 0.5, 0.0)], base=0.6)
    for i in range(n):
        buf[i] += 0.03 * rub[i] * env[i]
    return buf


def winch(rng):
    """Winch / pulleys: ratchet clicks of the pawl."""
    step = 1323                     # 8.3 clicks per second
    count = 12
    n = step * count                # 1.44 s
    buf = [0.0] * n
    add_hum(buf, 85.0, [(1, 1.0), (2, 0.4), (3, 0.15)], 0.05, rng)
    for j in range(count):
        a = rng.uniform(0.85, 1.0)
        v = rng.uniform(0.98, 1.02)
        # pawl riding up the tooth: a short faint scrape
        m = int(0.07 * SR)
        rub = biquad(white(m, rng), "bp", 1600.0, 1.2)
        for i in range(m):
            rub[i] *= 0.06 * (i / m) ** 2
        add_at(buf, j * step - m, rub, a)
        # pawl dropping into the next tooth
        ev = click(rng, [(2500 * v, 0.004, 0.8), (3800 * v, 0.0025, 0.45),
                         (1250 * v, 0.008, 0.4)], noise_amp=0.4, noise_f=3000,
                   length=0.045)
        add_at(buf, j * step, ev, a)
    return buf


# ---------------------------------------------------------------- feedback

def bell_note(f, start, total, decay, amp, attack=0.010):
    out = [0.0] * total
    s = int(start * SR)
    na = int(attack * SR)
    partials = [(1.0, 1.0, 1.0), (2.0, 0.28, 0.6), (3.0, 0.08, 0.4)]
    for i in range(s, total):
        k = i - s
        t = k / SR
        a0 = 1.0 if k >= na else 0.5 - 0.5 * math.cos(math.pi * k / na)
        v = 0.0
        for mult, pa, dmul in partials:
            v += pa * math.exp(-t / (decay * dmul)) * math.sin(TWO_PI * f * mult * t)
        out[i] = amp * a0 * v
    return out


def good_answer(rng):
    """Short bright rising chime: C5 - E5 - G5."""
    total = int(0.95 * SR)
    notes = [(523.25, 0.00, 0.22, 0.8), (659.26, 0.09, 0.24, 0.85),
             (783.99, 0.18, 0.32, 1.0)]
    return mix(*[bell_note(f, s, total, d, a) for f, s, d, a in notes])


def slow_answer(rng):
    """Correct but slow: short, softer, lower two-note figure (E4 - A4)."""
    total = int(0.75 * SR)
    out = [0.0] * total
    for f, start, decay, amp in [(329.63, 0.0, 0.20, 0.9), (440.0, 0.17, 0.26, 1.0)]:
        s = int(start * SR)
        na = int(0.02 * SR)
        for i in range(s, total):
            k = i - s
            t = k / SR
            a0 = 1.0 if k >= na else 0.5 - 0.5 * math.cos(math.pi * k / na)
            v = math.sin(TWO_PI * f * t) + 0.12 * math.sin(TWO_PI * 2 * f * t) \
                * math.exp(-t / 0.08)
            out[i] += amp * a0 * math.exp(-t / decay) * v
    return out


LOOPS = [
    ("1601", gears), ("1602", belt), ("1604", friction), ("1605", chain),
    ("1606", ujoint), ("1607", rack), ("1608", worm), ("1609", screw),
    ("1610", cam), ("1611", piston), ("1615", lever), ("1616", winch),
]
ONCE = [("1621", good_answer, 0.65), ("1622", slow_answer, 0.42)]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else \
        os.path.join(here, "..", "resources", "sounds")
    os.makedirs(out_dir, exist_ok=True)
    for seed, (name, fn) in enumerate(LOOPS, start=1):
        rng = random.Random(1600 + seed)
        data = finish_loop(fn(rng))
        write_wav(os.path.join(out_dir, name + ".wav"), data)
        print("%s.wav  %.3f s  loop" % (name, seconds(len(data))))
    for seed, (name, fn, peak) in enumerate(ONCE, start=1):
        rng = random.Random(1620 + seed)
        data = finish_once(fn(rng), peak)
        write_wav(os.path.join(out_dir, name + ".wav"), data)
        print("%s.wav  %.3f s  once" % (name, seconds(len(data))))


if __name__ == "__main__":
    main()
