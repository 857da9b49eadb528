# An older portable radio: no all-points read or write (the PC goes point by
# point), two transmit points and one receive point absent, no baseband
# offset requests, and some procedures it does not have.
extends = portable
name = portable-legacy
description = "Older portable VHF radio, point by point only"

serial = "752TKL0388"
model = "T21P5DKDC1      "        # groups A and O
uuid = 5E0B9D2271C84A3F86E1A9B3047CD215
ic_version = 0x01 0x02 0x07 0x00

tx_points = 5 1200 2400 3800 5000 0 0
rx_points = 5 1200 2400 3800 5000 6200 0

all_points_read = no
all_points_write = no
# no battery or K/M (mobile), no HST, VYS1200, PA bias 3 or highest power
unsupported_types = 10 17 16 24 27 28
unsupported_requests = 0x28        # baseband offsets live in the codeplug
codeplug_level = 20
# The baseband offsets in the codeplug, where bbo.cfg (entry 2: level 20 on)
# finds them: a block at 0x0480 with a simple header, five bytes per channel
# spacing and no check bytes; as a group O radio it keeps a 2-byte sum of
# its codeplug at 766 instead.
memory 0x0480 = 0x00 0x05 0x03  0x3C 0x5A 0x7B 0x9C 0xA7  0x3C 0x5A 0x7B 0x9C 0xA7  0x4D 0x6B 0x8C 0xAD 0xB7
memory 766 = 0x07 0x50
autotune 7 = none                  # no automatic squelch tuning
rssi_calibration = 44

softpot 0 = 100 103 104 106 107 0 0
softpot 0.1 = 37 38 40 41 42 0 0
softpot 2 = 63 65 67 69 71 0 0
softpot 2.1 = 51 53 54 56 57 0 0
softpot 2.2 = 39 40 41 43 44 0 0
softpot 3 = 29 30 31 31 32 0 0
softpot 6 = 95 97 98 99 100 0 0
softpot 13 = 40 64 90 114 138 162 0
softpot 7 = 29 28 27 27 26 26 0
softpot 7.1 = 31 30 29 29 28 28 0
softpot 7.2 = 34 33 32 32 31 31 0
