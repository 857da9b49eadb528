# A portable VHF radio (136-174 MHz) that answers the all-points read and
# write. Value ranges are those of the tuning screens.
name = portable
description = "Portable VHF radio, all-points read and write"

# identity
serial = "752TKL0412"
model = "T31S4NK1C7      "
uuid = 3A7C21E0958B4F16A2D4C07E5B19F863
ic_version = 0x01 0x04 0x02 0x00
regional_id = 0
power_up_status = 0

# tuning data: base 5440 x 25 kHz = 136.000 MHz, code c adds c x 5 kHz
radio_type = 1
frequency_base = 5440
spacing_mask = 7
tx_points = 5 1200 2400 3800 5000 6200 7595   # 136.025 142 148 155 161 167 173.975 MHz
rx_points = 5 1200 2400 3800 5000 6200 7595
dac_defaults = 0 0
battery_default = 0

# what the radio answers
all_points_read = yes
all_points_write = yes
unsupported_types = 10 17          # battery threshold and K/M are mobile procedures
limit 0 = 127
autotune 6 = 0                     # 0: the PA voltage limit is read point by point
autotune 7 = 26
rssi_calibration = 47
rssi_reading = 110 86 59
bbo = 0x3C 0x5A 0x7B 0x9C 0xA7  0x3C 0x5A 0x7B 0x9C 0xA7  0x4D 0x6B 0x8C 0xAD 0xB7
codeplug_level = 30

# softpots: point types list F1..F7; TYPE.BANK for the other banks
softpot 0 = 102 104 105 107 108 110 112     # transmit high power
softpot 0.1 = 38 39 40 41 42 43 45          # transmit low power
softpot 28 = 118 120 121 122 123 124 126    # highest power accepted
softpot 2 = 64 66 68 70 72 74 76            # VCO attenuation, 25 kHz
softpot 2.1 = 52 54 55 57 58 60 61          # 20 kHz
softpot 2.2 = 40 41 42 44 45 46 48          # 12.5 kHz
softpot 3 = 30 31 31 32 33 33 34            # modulation balance
softpot 6 = 96 98 99 100 101 102 104        # PA voltage limit
softpot 13 = 38 62 88 112 136 160 186       # front end filter (receive points)
softpot 7 = 28 27 27 26 26 25 25            # auto squelch, 25 kHz
softpot 7.1 = 30 29 29 28 28 27 27          # 20 kHz
softpot 7.2 = 33 32 32 31 31 30 30          # 12.5 kHz
softpot 11 = 268                            # reference oscillator warp
softpot 14 = 17                             # DTMF deviation
softpot 24 = 15                             # VYS1200 deviation
softpot 15 = 18                             # Select 5 deviation
softpot 16 = 16                             # high speed trunking deviation
softpot 5 = 19                              # MPT1327 deviation
softpot 18 = 64                             # PA bias 1, high voltage
softpot 18.1 = 58                           # low voltage
softpot 20 = 72
softpot 20.1 = 66
softpot 27 = 80
softpot 27.1 = 74
softpot 8 = 150                             # rated volume
softpot 8.1 = 142                           # second environment
softpot 26 = 112 84 57                      # RSSI thresholds
softpot 25 = 118 100 80                     # RSSI signal levels (dBm below 0)
softpot 1 = 0x0A 0xFF 0x00 0x7C             # temperature compensation bytes
