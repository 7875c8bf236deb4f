# The game's data files, as the generator makes them into the run folder.
set(TUMBLOX_DATA_FILES Block.Dat Logo.QSF Block.QSF Flame.Qsf Explo.Qsf Combo.Qsf BACK1.Qsf
                       Explo.Wav Flame.Wav Alpha.Wav Dynamic.Wav BGM.Mp3)
