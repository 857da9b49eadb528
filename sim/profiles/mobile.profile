# A mobile UHF radio (403-470 MHz): K and M power values per transmit point,
# transmit DACs and a battery threshold.
name = mobile
description = "Mobile UHF radio with K/M power tuning and battery threshold"

# identity
serial = "381MXR2207"
model = "V42K7R3AM6      "        # groups F, K, M and T
uuid = C4D1086E2B7F43A59E0C6D18A2F3B701
ic_version = 0x02 0x01 0x05 0x00
regional_id = 0
power_up_status = 0

# tuning data: base 16120 x 25 kHz = 403.000 MHz
radio_type = 2
frequency_base = 16120
spacing_mask = 5
tx_points = 20 2200 4400 6700 8800 11000 13380   # 403.1 414 425 436.5 447 458 469.9 MHz
rx_points = 20 2200 4400 6700 8800 11000 13380
dac_defaults = 96 148
battery_default = 108              # 10.8 V target

# what the radio answers
all_points_read = yes
all_points_write = yes
unsupported_types = 28
autotune 6 = 0
limit 13 = 127                     # front end filter range of a mobile radio
autotune 7 = 24
battery_reading = 99               # what the radio measures at the supply now
rssi_calibration = 51
rssi_reading = 108 83 61
bbo = 0x4B 0x6A 0x8B 0xAC 0xB7  0x4B 0x6A 0x8B 0xAC 0xB7  0x5C 0x7B 0x9C 0xBD 0xC7
codeplug_level = 31

# softpots
softpot 17 = 0x5A40 0x5C41 0x5E42 0x6043 0x6244 0x6445 0x6646   # K x 256 + M per point
softpot 10 = 97                                               # battery threshold
softpot 0 = 96 97 98 99 100 101 102
softpot 0.1 = 40 41 42 43 44 45 46
softpot 2 = 60 62 64 66 68 70 72
softpot 2.1 = 50 51 53 54 56 57 59
softpot 2.2 = 38 39 41 42 43 45 46
softpot 3 = 28 29 30 31 31 32 33
softpot 6 = 92 94 95 97 98 100 101
softpot 13 = 24 38 52 66 80 94 108          # front end filter: 0..127 on a mobile
softpot 7 = 27 27 26 26 25 25 24
softpot 7.1 = 29 29 28 28 27 27 26
softpot 7.2 = 32 32 31 31 30 30 29
softpot 11 = 281
softpot 14 = 16
softpot 24 = 16
softpot 15 = 17
softpot 16 = 15
softpot 5 = 18
softpot 18 = 70
softpot 18.1 = 63
softpot 20 = 76
softpot 20.1 = 69
softpot 27 = 84
softpot 27.1 = 77
softpot 8 = 160
softpot 8.1 = 151
softpot 26 = 108 83 61
softpot 25 = 116 98 78
softpot 1 = 0x0B 0xF2 0x01 0x66
