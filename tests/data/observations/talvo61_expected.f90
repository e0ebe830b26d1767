! Expected observation files of the station-output conversion for the test series.
program talvo61_expected
  implicit none
  open(10, file='talvo61_watlev.txt')
  write(10,*) '% TALVO generic format - Water Level'
  write(10,*) '% ','year ','month ','day ','hour ','min ','sec ','watlev (m)'
  write(10,*) 'QORVEL ','UTC',' NAVD88'
  write(10,*) '''Grand Isle''', 29.26d0, -89.95d0
  write(10,'(6i7,f14.4)') 2008, 9, 1, 1, 0, 0, 1.5d0
  write(10,'(6i7,f14.4)') 2008, 9, 1, 12, 0, 0, -0.25d0
  write(10,*) 'B_2', 30.5d0, -90.25d0
  write(10,'(6i7,i10)') 2008, 9, 1, 1, 0, 0, -999
  write(10,'(6i7,f14.4)') 2008, 9, 1, 12, 0, 0, 12345.6789d0
  close(10)
  open(10, file='talvo61_current.txt')
  write(10,*) '% TALVO generic format - Current'
  write(10,*) '% ','year ','month ','day ','hour ','min ','sec ','cur (m/s)'
  write(10,*) 'QORVEL ','UTC',' NAVD88'
  write(10,*) '''Grand Isle''', 29.26d0, -89.95d0
  write(10,'(6i7,2f24.10)') 2008, 9, 1, 1, 0, 0, 1.5d0, 0.125d0
  write(10,'(6i7,2f24.10)') 2008, 9, 1, 12, 0, 0, -0.25d0, -99999.0d0
  write(10,*) 'B_2', 30.5d0, -90.25d0
  write(10,'(6i7,2i10)') 2008, 9, 1, 1, 0, 0, -999, -999
  write(10,'(6i7,2f24.10)') 2008, 9, 1, 12, 0, 0, 12345.6789d0, 2.0d0
  close(10)
  open(10, file='talvo61_current_rt1.txt')
  write(10,*) '% TALVO generic format - Current'
  write(10,*) '% ','year ','month ','day ','hour ','min ','sec ','cur (m/s)'
  write(10,*) 'QORVEL ','UTC',' NAVD88'
  write(10,*) '''Grand Isle''', 29.26d0, -89.95d0
  write(10,'(6i7,2f24.10)') 2008, 9, 1, 1, 0, 0, 1.5d0, -999.0d0
  write(10,'(6i7,2f24.10)') 2008, 9, 1, 12, 0, 0, -0.25d0, -999.0d0
  write(10,*) 'B_2', 30.5d0, -90.25d0
  write(10,'(6i7,2i10)') 2008, 9, 1, 1, 0, 0, -999, -999
  write(10,'(6i7,2f24.10)') 2008, 9, 1, 12, 0, 0, 12345.6789d0, -999.0d0
  close(10)
end program talvo61_expected
