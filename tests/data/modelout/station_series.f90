! Writes a small station time-series file the way the station extraction lays it out.
program station_series
  implicit none
  character(len=50) :: word
  word = 'FormatVersion:'
  write(*,'(a)') 'Interpolated values at stations'
  write(*,'(5I11,1x,A50)') 3, 2, 2400, 2400, 2, word
  write(*,*) 12000.0d0, 2400
  write(*,'(I10,5X,2E24.10)') 1, 1.5d0, -0.000123456789012d0
  write(*,'(I10,5X,2E24.10)') 2, -99999.0d0, 0.0d0
  write(*,*) 1.0d-5, 7
  write(*,'(I10,5X,1E24.10)') 1, 1.0d100
  write(*,'(I10,5X,1E24.10)') 2, -2.25d-120
end program station_series
